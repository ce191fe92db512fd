// The actions of the steps, by area; MakeAction (engine.h) picks one for a step.
#pragma once

#include "engine.h"
#include "shots.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace qelvo {
namespace automation {

// Menus (actions_menu.cpp). A path of the frame's menu bar (menu) or the add-on's (bar): each
// part is clicked; the path ends open on a popup, or with the chosen command.
std::unique_ptr<Action> MakeMenuAction(bool addonBar, const std::string& path);
std::unique_ptr<Action> MakeChooseAction(const std::string& item);
std::unique_ptr<Action> MakeExpectMenuAction(bool addonBar, std::vector<std::string> items);

// Input (actions_input.cpp).
std::unique_ptr<Action> MakeCaptionAction(const std::string& title, const std::string& button);
std::unique_ptr<Action> MakeKeyAction(const std::string& combination);
std::unique_ptr<Action> MakeHoldAction(const std::string& modifiers);
std::unique_ptr<Action> MakeTypeAction(const std::string& text);

// Dialogs and message boxes (actions_dialog.cpp).
std::unique_ptr<Action> MakeAnswerAction(const std::vector<std::string>& args);
// progress SHOT TITLE BUTTON: the answer, with a shot of the copy it starts.
std::unique_ptr<Action> MakeProgressAction(const std::vector<std::string>& args);
// A dialog's list box and its closing (actions_list.cpp).
std::unique_ptr<Action> MakeListAction(StepKind kind, const std::vector<std::string>& args);
// page TITLE [ID=TEXT|ID=click...]: the options dialog's page, its controls set.
std::unique_ptr<Action> MakePageAction(const std::vector<std::string>& args);

// The IDE: project, files, Make, commands, expectations, screenshots (actions_ide.cpp).
std::unique_ptr<Action> MakeProjectAction(const std::string& path, bool project);
std::unique_ptr<Action> MakeMakeAction(const std::string& shot);
std::unique_ptr<Action> MakeCommandAction(int command);
std::unique_ptr<Action> MakeExpectStatusAction(const std::string& text);
std::unique_ptr<Action> MakeExpectFileAction(const std::vector<std::string>& args);
std::unique_ptr<Action> MakeExpectMessageAction(const std::string& text);
std::unique_ptr<Action> MakeScreenshotAction(const std::string& name, const std::string& target);

} // namespace automation
} // namespace qelvo
