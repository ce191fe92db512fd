// Menus driven by clicks: the frame's menu bar, the add-on's bar, the popups they and the
// add-on open; and their items read back.
#include "actions.h"

#include "frame_window.h"
#include "ui.h"

namespace qelvo {
namespace automation {

namespace {

// The checks before clicking an item; empty when it may be clicked.
std::string CannotClick(HMENU menu, int position, const std::string& name, const char* where) {
    if (position < 0)
        return std::string(where) + " has no item " + Quoted(name) +
               "; its items: " + Joined(MenuItemTexts(menu));
    UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (state & (MF_GRAYED | MF_DISABLED)) return "the item " + Quoted(name) + " is disabled";
    return std::string();
}

// Clicks items one after the other; each popup must have opened before its item is clicked.
// After a command the menu must have closed.
class MenuClicker {
public:
    explicit MenuClicker(std::vector<std::string> parts) : parts_(std::move(parts)) {}

    // Clicks the first part on the menu bar of the window.
    Progress ClickBarItem(ScriptEngine& e, HWND owner, const char* where) {
        HMENU menu = GetMenu(owner);
        int position = menu ? FindMenuItem(menu, parts_[0]) : -1;
        if (!menu) return e.Fail(std::string(where) + " has no menu");
        std::string fault = CannotClick(menu, position, parts_[0], where);
        if (!fault.empty()) return e.Fail(fault);
        RECT r;
        if (!GetMenuItemRect(owner, menu, static_cast<UINT>(position), &r))
            return e.Fail("the place of " + Quoted(parts_[0]) + " is unknown");
        return ClickAt(e, Center(r), owner, menu, position);
    }

    // Clicks the next part in the popup window that shows the menu.
    Progress ClickPopupItem(ScriptEngine& e, HWND popup, HMENU menu) {
        int position = FindMenuItem(menu, parts_[level_]);
        std::string fault = CannotClick(menu, position, parts_[level_], "the popup menu");
        if (!fault.empty()) return e.Fail(fault);
        RECT r;
        if (!GetMenuItemRect(popup, menu, static_cast<UINT>(position), &r))
            return e.Fail("the place of " + Quoted(parts_[level_]) + " is unknown");
        return ClickAt(e, Center(r), popup, menu, position);
    }

    // After a click: the next popup open, or the menu closed after a command.
    Progress Follow(ScriptEngine& e) {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        if (open_) {
            HWND popup = PopupShowing(open_);
            if (!popup) return e.WaitFor("the popup " + Quoted(parts_[level_ - 1]) + " to open");
            if (level_ == parts_.size()) {
                e.Note("open: " + Joined(MenuItemTexts(open_)));
                return Progress::kDone;
            }
            return ClickPopupItem(e, popup, open_);
        }
        if (chosenIn_ && PopupShowing(chosenIn_)) return e.WaitFor("the menu to close");
        return Progress::kDone;
    }

    bool Started() const { return level_ > 0; }
    // The first part stands for a popup that is open already.
    void SkipFirst() { level_ = 1; }

private:
    Progress ClickAt(ScriptEngine& e, POINT at, HWND window, HMENU menu, int position) {
        // A window over the item may go (the add-on puts its bar back on top at its next clock
        // tick): the step waits for the item to show, as a person would.
        if (!PointReaches(at, window))
            return e.WaitFor("the item " + Quoted(parts_[level_]) + " to show (covered by " +
                             WhatCovers(at) + ")");
        HMENU below = GetSubMenu(menu, position);
        if (!below && level_ + 1 < parts_.size())
            return e.Fail("the item " + Quoted(parts_[level_]) + " opens no popup");
        Click(at);
        e.Acted();
        ++level_;
        open_ = below;
        chosenIn_ = below ? nullptr : menu;
        return e.WaitFor(below ? "the popup to open" : "the command");
    }

    std::vector<std::string> parts_;
    size_t level_ = 0;
    HMENU open_ = nullptr;     // the popup that must open next
    HMENU chosenIn_ = nullptr; // the menu whose command item was clicked
};

class MenuAction final : public Action {
public:
    MenuAction(bool addonBar, std::vector<std::string> parts)
        : addonBar_(addonBar), clicker_(std::move(parts)) {}

    Progress Tick(ScriptEngine& e) override {
        if (clicker_.Started()) return clicker_.Follow(e);
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        if (!addonBar_) return clicker_.ClickBarItem(e, e.Frame().Window(), "the IDE's menu bar");
        HWND bar = FindBar();
        if (!bar || !IsWindowVisible(bar)) return e.WaitFor("the add-on's bar to show");
        return clicker_.ClickBarItem(e, bar, "the add-on's bar");
    }

private:
    bool addonBar_;
    MenuClicker clicker_;
};

class ChooseAction final : public Action {
public:
    explicit ChooseAction(const std::string& item) : clicker_({"(popup)", item}) {}

    Progress Tick(ScriptEngine& e) override {
        if (clicker_.Started()) return clicker_.Follow(e);
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        HWND popup = DeepestPopup();
        if (!popup) return e.WaitFor("a popup menu to be open");
        clicker_.SkipFirst();
        return clicker_.ClickPopupItem(e, popup, MenuOfPopup(popup));
    }

private:
    MenuClicker clicker_;
};

class ExpectMenuAction final : public Action {
public:
    ExpectMenuAction(bool addonBar, std::vector<std::string> items)
        : addonBar_(addonBar), items_(std::move(items)) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        HMENU menu = nullptr;
        if (addonBar_) {
            HWND bar = FindBar();
            if (!bar) return e.WaitFor("the add-on's bar");
            menu = GetMenu(bar);
        } else {
            HWND popup = DeepestPopup();
            if (!popup) return e.WaitFor("a popup menu to be open");
            menu = MenuOfPopup(popup);
        }
        std::vector<std::string> shown = MenuItemTexts(menu);
        e.Note(std::string(addonBar_ ? "bar: " : "menu: ") + Joined(shown));
        if (shown != items_)
            return e.Fail(std::string(addonBar_ ? "the bar" : "the popup menu") + " shows " +
                          Joined(shown) + ", not " + Joined(items_));
        return Progress::kDone;
    }

private:
    bool addonBar_;
    std::vector<std::string> items_;
};

} // namespace

std::unique_ptr<Action> MakeMenuAction(bool addonBar, const std::string& path) {
    std::vector<std::string> parts;
    SplitMenuPath(path, parts);
    return std::unique_ptr<Action>(new MenuAction(addonBar, parts));
}

std::unique_ptr<Action> MakeChooseAction(const std::string& item) {
    return std::unique_ptr<Action>(new ChooseAction(item));
}

std::unique_ptr<Action> MakeExpectMenuAction(bool addonBar, std::vector<std::string> items) {
    return std::unique_ptr<Action>(new ExpectMenuAction(addonBar, std::move(items)));
}

} // namespace automation
} // namespace qelvo
