#include "codegen/version_text.h"

#include <cstring>

namespace qelvo {
namespace codegen {

namespace {

const char kValuePrefix[] = "   VALUE \"FileVersion\", \"";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool StartsWith(const std::string& line, const char* prefix) {
    return line.compare(0, std::strlen(prefix), prefix) == 0;
}

// A number as the script spells it, for a message; a run of digits too long to show is cut.
std::string Shown(const char* start, const char* end) {
    std::string text(start, end);
    if (text.size() > 24) text = text.substr(0, 21) + "...";
    return text;
}

// Reads up to four numbers as "%d,%d,%d,%d" does (each may follow white space and carry a sign;
// the commas must follow the numbers directly); numbers that cannot be read keep their values.
// A number a version resource cannot hold is not cut down to one it can: bad receives it as
// written, and the result is 0.
int ReadVersion(const char* text, int version[4], std::string& bad) {
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (*text != ',') return 1;
            ++text;
        }
        while (IsSpace(*text))
            ++text;
        const char* start = text;
        bool negative = false;
        if (*text == '+' || *text == '-') negative = *text++ == '-';
        if (!IsDigit(*text)) return 1;
        long long n = 0;
        for (; IsDigit(*text); ++text)
            if (n <= kVersionPartMax) n = n * 10 + (*text - '0');
        if (n > kVersionPartMax || (negative && n != 0)) {
            bad = Shown(start, text);
            return 0;
        }
        version[i] = static_cast<int>(n);
    }
    return 1;
}

} // namespace

VersionRenumbering::VersionRenumbering(int counter)
    : version_{1, 0, 0, counter}, counter_(counter) {}

int VersionRenumbering::Line(const std::string& text, std::string& out) {
    if (text.size() >= 12 && StartsWith(text, "FILEVERSION")) {
        int version[4] = {version_[0], version_[1], version_[2], version_[3]};
        std::string bad;
        if (!ReadVersion(text.c_str() + 12, version, bad)) {
            refusal_ = "the version number " + bad + " is out of range (0 to 65535)";
            return 0;
        }
        // The file's build number plus one, unless the counter is already past it.
        int build = counter_ <= version[3] ? version[3] + 1 : counter_;
        if (build > kVersionPartMax) {
            refusal_ = version[3] == kVersionPartMax
                           ? "the build number 65535 is the highest a version resource holds"
                           : "the build number would be " + std::to_string(build) +
                                 ", over the highest a version resource holds (65535)";
            return 0;
        }
        version[3] = build;
        std::memcpy(version_, version, sizeof version_);
        counter_ = build;
        found_ = 1;
        out = "FILEVERSION " + std::to_string(version_[0]) + ", " + std::to_string(version_[1]) +
              ", " + std::to_string(version_[2]) + ", " + std::to_string(version_[3]);
    } else if (text.size() >= 26 && StartsWith(text, kValuePrefix)) {
        out = kValuePrefix + std::to_string(version_[0]) + "." + std::to_string(version_[1]) + "." +
              std::to_string(version_[2]) + "." + std::to_string(version_[3]) + "\\000\\000\"";
    } else {
        out = text;
    }
    return 1;
}

} // namespace codegen
} // namespace qelvo
