// Screenshots as the scripts take them: the screen, or the part of it a window covers.
#pragma once

#include <windows.h>

#include <string>

namespace qelvo {
namespace automation {

// A screenshot of the screen, cropped to the rectangle (the whole screen for null), written
// as PNG; false with the reason when it could not be.
bool TakeScreenshot(const std::string& path, const RECT* area, std::string& error);

} // namespace automation
} // namespace qelvo
