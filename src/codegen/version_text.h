// What the lines of a version script become when its build number is raised: the FILEVERSION
// statement and the FileVersion value take the new number, every other line stays as it is.
// Apart from the files, so that any bytes can be tried on it.
#pragma once

#include <string>

namespace qelvo {
namespace codegen {

// Each part of a version resource is 16 bits wide.
constexpr int kVersionPartMax = 65535;

class VersionRenumbering {
public:
    // counter: the Make's build counter, which the numbers found may push up, never down.
    explicit VersionRenumbering(int counter);

    // The text (without its line end) to write in place of a line's text. 0 when the line holds
    // a number that a version resource cannot hold, or whose build number cannot be raised
    // within it: the file must then be left as it is, and Refusal() says why.
    int Line(const std::string& text, std::string& out);

    // 1 once a FILEVERSION statement was numbered: without one there is nothing to number.
    int Found() const { return found_; }
    // The counter after the lines so far: the last build number given, or the one passed in.
    int Counter() const { return counter_; }
    const std::string& Refusal() const { return refusal_; }

private:
    int version_[4];
    int counter_;
    int found_ = 0;
    std::string refusal_;
};

} // namespace codegen
} // namespace qelvo
