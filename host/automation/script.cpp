#include "script.h"

#include <cctype>
#include <cstdlib>

namespace qelvo {
namespace automation {

namespace {

struct StepForm {
    StepKind kind;
    const char* keyword;
    size_t minArgs, maxArgs; // maxArgs kAny: no limit
};
constexpr size_t kAny = static_cast<size_t>(-1);

const StepForm kForms[] = {
    {StepKind::kProject, "project", 1, 1},
    {StepKind::kOpen, "open", 1, 1},
    {StepKind::kCaption, "caption", 2, 2},
    {StepKind::kMenu, "menu", 1, 1},
    {StepKind::kBar, "bar", 1, 1},
    {StepKind::kCommand, "command", 1, 1},
    {StepKind::kChoose, "choose", 1, 1},
    {StepKind::kKey, "key", 1, 1},
    {StepKind::kHold, "hold", 1, 1},
    {StepKind::kType, "type", 1, 1},
    {StepKind::kMake, "make", 0, 1},
    {StepKind::kAnswer, "answer", 2, kAny},
    {StepKind::kExpectStatus, "expect-status", 1, 1},
    {StepKind::kExpectFile, "expect-file", 1, 2},
    {StepKind::kExpectMenu, "expect-menu", 1, kAny},
    {StepKind::kExpectBar, "expect-bar", 1, kAny},
    {StepKind::kExpectMessage, "expect-message", 1, 1},
    {StepKind::kScreenshot, "screenshot", 1, 2},
    {StepKind::kWait, "wait", 1, 1},
    {StepKind::kTimeout, "timeout", 1, 1},
    {StepKind::kProgress, "progress", 3, 3},
    {StepKind::kSelect, "select", 1, kAny},
    {StepKind::kExpectList, "expect-list", 1, kAny},
    {StepKind::kClose, "close", 1, 1},
    {StepKind::kPage, "page", 1, kAny},
};

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// A whole decimal number within the limits.
bool Number(const std::string& text, long low, long high, long& value) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    value = std::strtol(text.c_str(), nullptr, 10);
    return value >= low && value <= high;
}

bool EndsWithPng(const std::string& name) {
    return name.size() > 4 && Lower(name.substr(name.size() - 4)) == ".png";
}

// What each kind asks of its arguments beyond their number; empty when they are right.
std::string CheckArguments(const ScriptStep& step) {
    const std::vector<std::string>& a = step.args;
    long value = 0;
    std::vector<std::string> parts;
    KeyCombination keys;
    switch (step.kind) {
    case StepKind::kCaption:
        if (a[1] != "0" && a[1] != "1" && a[1] != "2" && Lower(a[1]) != "right")
            return "the caption button is 0, 1, 2 or right, not \"" + a[1] + "\"";
        break;
    case StepKind::kMenu:
    case StepKind::kBar:
        if (!SplitMenuPath(a[0], parts)) return "bad menu path \"" + a[0] + "\"";
        break;
    case StepKind::kCommand:
        if (!Number(a[0], 1, 65535, value)) return "a command is a number from 1 to 65535";
        break;
    case StepKind::kKey:
        if (!ParseKeyCombination(a[0], keys)) return "unknown key combination \"" + a[0] + "\"";
        break;
    case StepKind::kHold:
        if (!ParseModifiers(a[0], keys)) return "hold takes Alt, Ctrl, Shift or none, not \"" + a[0] + "\"";
        break;
    case StepKind::kType:
        for (char c : a[0])
            if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
                return "type takes printable ASCII text (use key for the others)";
        break;
    case StepKind::kPage:
        for (size_t i = 1; i < a.size(); ++i) {
            size_t equals = a[i].find('=');
            if (equals == std::string::npos || !Number(a[i].substr(0, equals), 1, 65535, value))
                return "a control is written ID=TEXT or ID=click, not \"" + a[i] + "\"";
        }
        break;
    case StepKind::kAnswer:
        for (size_t i = 2; i < a.size(); ++i) {
            size_t equals = a[i].find('=');
            if (equals == std::string::npos || !Number(a[i].substr(0, equals), 1, 65535, value))
                return "an edit's text is written ID=TEXT, not \"" + a[i] + "\"";
        }
        break;
    case StepKind::kMake:
    case StepKind::kScreenshot:
    case StepKind::kProgress:
        if (!a.empty() && (!EndsWithPng(a[0]) || a[0].find_first_of("\\/:") != std::string::npos))
            return "a screenshot is a file name ending in .png, not \"" + a[0] + "\"";
        break;
    case StepKind::kWait:
        if (!Number(a[0], 0, 600000, value)) return "wait takes milliseconds (0 to 600000)";
        break;
    case StepKind::kTimeout:
        if (!Number(a[0], 1, 600, value)) return "timeout takes seconds (1 to 600)";
        break;
    default:
        break;
    }
    return std::string();
}

struct KeyName {
    const char* name;
    int key;
};
const KeyName kKeyNames[] = {
    {"escape", 0x1B},   {"esc", 0x1B},       {"enter", 0x0D},  {"return", 0x0D}, {"tab", 0x09},
    {"space", 0x20},    {"backspace", 0x08}, {"delete", 0x2E}, {"del", 0x2E},    {"insert", 0x2D},
    {"ins", 0x2D},      {"home", 0x24},      {"end", 0x23},    {"pageup", 0x21}, {"pgup", 0x21},
    {"pagedown", 0x22}, {"pgdn", 0x22},      {"left", 0x25},   {"up", 0x26},     {"right", 0x27},
    {"down", 0x28},
    {"quote", 0xDE}, // the key of ' and ", keyword completion's key by default
};

bool KeyOfName(const std::string& lowered, int& key) {
    if (lowered.size() == 1) {
        char c = lowered[0];
        if (c >= 'a' && c <= 'z') return key = c - 'a' + 'A', true;
        if (c >= '0' && c <= '9') return key = c, true;
        return false;
    }
    if (lowered[0] == 'f') {
        long n = 0;
        if (Number(lowered.substr(1), 1, 24, n)) return key = 0x70 + static_cast<int>(n) - 1, true;
    }
    for (const KeyName& k : kKeyNames)
        if (lowered == k.name) return key = k.key, true;
    return false;
}

} // namespace

const char* StepKeyword(StepKind kind) {
    for (const StepForm& form : kForms)
        if (form.kind == kind) return form.keyword;
    return "?";
}

bool SplitWords(const std::string& line, std::vector<std::string>& words, std::string& error) {
    words.clear();
    size_t i = 0, n = line.size();
    while (i < n) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c == '#') break; // a word that starts with '#' starts the comment
        std::string word;
        if (c == '"') {
            ++i;
            for (;;) {
                if (i >= n) {
                    error = "a quote is left open";
                    return false;
                }
                if (line[i] == '"') {
                    if (i + 1 < n && line[i + 1] == '"') {
                        word += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                word += line[i++];
            }
        } else {
            while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
                   line[i] != '\n' && line[i] != '"')
                word += line[i++];
        }
        words.push_back(word);
    }
    return true;
}

bool ParseScript(const std::string& text, std::vector<ScriptStep>& steps, std::string& error) {
    steps.clear();
    size_t at = 0;
    int line = 0;
    while (at <= text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string raw = text.substr(at, end - at);
        at = end + 1;
        ++line;
        std::vector<std::string> words;
        std::string fault;
        if (!SplitWords(raw, words, fault)) {
            error = "line " + std::to_string(line) + ": " + fault;
            steps.clear();
            return false;
        }
        if (words.empty()) continue;
        const StepForm* form = nullptr;
        for (const StepForm& f : kForms)
            if (Lower(words[0]) == f.keyword) form = &f;
        if (!form) {
            error = "line " + std::to_string(line) + ": unknown step \"" + words[0] + "\"";
            steps.clear();
            return false;
        }
        ScriptStep step;
        step.line = line;
        step.source = Trim(raw);
        step.kind = form->kind;
        step.args.assign(words.begin() + 1, words.end());
        if (step.args.size() < form->minArgs ||
            (form->maxArgs != kAny && step.args.size() > form->maxArgs)) {
            error = "line " + std::to_string(line) + ": " + form->keyword + " takes " +
                    std::to_string(form->minArgs) +
                    (form->maxArgs == form->minArgs ? ""
                     : form->maxArgs == kAny        ? " or more"
                                                    : " or " + std::to_string(form->maxArgs)) +
                    (form->maxArgs == 1 && form->minArgs == 1 ? " argument" : " arguments") +
                    ", not " + std::to_string(step.args.size());
            steps.clear();
            return false;
        }
        std::string wrong = CheckArguments(step);
        if (!wrong.empty()) {
            error = "line " + std::to_string(line) + ": " + wrong;
            steps.clear();
            return false;
        }
        steps.push_back(step);
    }
    return true;
}

bool SplitMenuPath(const std::string& path, std::vector<std::string>& parts) {
    parts.clear();
    size_t at = 0;
    for (;;) {
        size_t slash = path.find('/', at);
        std::string part =
            Trim(path.substr(at, slash == std::string::npos ? std::string::npos : slash - at));
        if (part.empty()) return false;
        parts.push_back(part);
        if (slash == std::string::npos) return true;
        at = slash + 1;
    }
}

std::string MenuItemName(const std::string& text) {
    std::string name;
    for (size_t i = 0; i < text.size() && text[i] != '\t'; ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') name += text[++i];
            continue;
        }
        name += text[i];
    }
    return Trim(name);
}

bool TextMatches(const std::string& pattern, const std::string& text) {
    // Greedy with one point to come back to: the last '*' and where its text began.
    size_t p = 0, t = 0, star = std::string::npos, from = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            from = t;
        } else if (p < pattern.size() && pattern[p] == text[t]) {
            ++p;
            ++t;
        } else if (star != std::string::npos) {
            p = star + 1;
            t = ++from;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool ParseKeyCombination(const std::string& text, KeyCombination& combination) {
    combination = KeyCombination();
    std::vector<std::string> parts;
    size_t at = 0;
    for (;;) {
        size_t plus = text.find('+', at);
        parts.push_back(Lower(
            Trim(text.substr(at, plus == std::string::npos ? std::string::npos : plus - at))));
        if (plus == std::string::npos) break;
        at = plus + 1;
    }
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        bool* modifier = parts[i] == "ctrl" || parts[i] == "control" ? &combination.ctrl
                         : parts[i] == "shift"                       ? &combination.shift
                         : parts[i] == "alt"                         ? &combination.alt
                                                                     : nullptr;
        if (!modifier || *modifier) return false;
        *modifier = true;
    }
    return !parts.back().empty() && KeyOfName(parts.back(), combination.key);
}

bool ParseModifiers(const std::string& text, KeyCombination& combination) {
    combination = KeyCombination();
    if (Lower(Trim(text)) == "none") return true;
    // The modifiers as a combination with a key of their own, which is then left out.
    KeyCombination parsed;
    if (!ParseKeyCombination(text + "+a", parsed)) return false;
    combination = parsed;
    combination.key = 0;
    return combination.alt || combination.ctrl || combination.shift;
}

} // namespace automation
} // namespace qelvo
