// The IDE's own command numbers that add-ons send to its windows (WM_COMMAND) or watch going
// to them. Shared by the add-on and the stand-in IDE.
#pragma once

namespace qelvo {
namespace ide {

enum IdeCommand : int {
    kCmdSaveAll = 13104,      // File | Save all, to the frame; passes the frame's queue
    kCmdShowProject = 13251,  // Window | Project, to the frame
    kCmdShowMessages = 13252, // Window | Message, to the frame
    kCmdOptions = 13492,      // Options | Environment..., to the frame
    kCmdClearMessages = 1722, // to the message viewer "MsgViewer": empties the shown tab
};

} // namespace ide
} // namespace qelvo
