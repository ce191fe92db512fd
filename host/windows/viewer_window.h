// The viewer windows of the IDE's resource tools ("BCW5RWProject", "BCW5RWBitmap",
// "BCW5RWGroupCursor", "BCW5RWGroupIcon"): MDI children titled with the file's full path that
// show which file they view. Nothing is read from the file.
#pragma once

#include <windows.h>

#include <string>

namespace qelvo {
namespace host {

// The viewer class of an IDE tool that opens one, or null.
const char* ViewerClassOfTool(const std::string& tool);
// A new viewer window of that class in the MDI client; null when the class is not a viewer's.
HWND OpenViewerWindow(HWND mdiClient, const std::string& windowClass, const std::string& path,
                      const RECT* place);

} // namespace host
} // namespace qelvo
