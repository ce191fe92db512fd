// Commands 176 and 175 of the add-on window (the bar's "Groupware" > "Send..." and "Get..."):
// the Send and Get windows over the open project's directory and its server directory.
#pragma once

#include <windows.h>

namespace qelvo {

void OnGroupwareSend(UINT command, LPARAM lParam);
void OnGroupwareGet(UINT command, LPARAM lParam);

} // namespace qelvo
