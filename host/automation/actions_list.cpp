// A dialog's list box: its selection set, its lines compared; and a dialog closed through its
// system menu.
#include "actions.h"

#include "ui.h"
#include "win_support.h"

namespace qelvo {
namespace automation {

namespace {

// The dialog whose title matches (a '*' stands for any text, as a dated title needs).
HWND FindDialog(const std::string& title) {
    for (HWND candidate : ThreadWindows("#32770"))
        if (TextMatches(title, host::WindowText(candidate))) return candidate;
    return nullptr;
}

BOOL CALLBACK OnListChild(HWND child, LPARAM param) {
    if (lstrcmpiA(host::WindowClassName(child).c_str(), "ListBox") == 0) {
        *reinterpret_cast<HWND*>(param) = child;
        return FALSE;
    }
    return TRUE;
}

// A line as scripts write it: a tab shown as "\t".
std::string LineText(HWND list, int i) {
    const LRESULT n = SendMessageA(list, LB_GETTEXTLEN, i, 0);
    std::string text(n > 0 ? static_cast<size_t>(n) + 1 : 1, '\0');
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    std::string shown;
    for (char c : text)
        shown += c == '\t' ? std::string("\\t") : std::string(1, c);
    return shown;
}

class ListAction final : public Action {
public:
    ListAction(StepKind kind, const std::vector<std::string>& args)
        : kind_(kind), title_(args[0]), lines_(args.begin() + 1, args.end()) {}

    Progress Tick(ScriptEngine& e) override {
        if (!e.Idle()) return e.WaitFor("the IDE to be idle");
        HWND dialog = FindDialog(title_);
        if (kind_ == StepKind::kClose) {
            if (closing_) return dialog ? e.WaitFor("the dialog to close") : Progress::kDone;
            if (!dialog) return e.WaitFor("a dialog titled " + Quoted(title_));
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
            e.Acted();
            closing_ = true;
            return e.WaitFor("the dialog to close");
        }
        if (!dialog) return e.WaitFor("a dialog titled " + Quoted(title_));
        HWND list = nullptr;
        EnumChildWindows(dialog, OnListChild, reinterpret_cast<LPARAM>(&list));
        if (!list) return e.Fail("the dialog has no list");
        const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i)
            lines.push_back(LineText(list, i));
        e.Note("lines: " + Joined(lines));
        if (kind_ == StepKind::kExpectList) {
            bool same = lines.size() == lines_.size();
            for (size_t i = 0; same && i < lines.size(); ++i)
                same = TextMatches(lines_[i], lines[i]);
            return same ? Progress::kDone : e.Fail("the list differs from " + Joined(lines_));
        }
        SendMessageA(list, LB_SETSEL, FALSE, -1);
        for (int i = 0; i < count; ++i)
            for (const std::string& pattern : lines_)
                if (TextMatches(pattern, lines[i])) SendMessageA(list, LB_SETSEL, TRUE, i);
        e.Acted();
        return Progress::kDone;
    }

private:
    StepKind kind_;
    std::string title_;
    std::vector<std::string> lines_;
    bool closing_ = false;
};

} // namespace

std::unique_ptr<Action> MakeListAction(StepKind kind, const std::vector<std::string>& args) {
    return std::unique_ptr<Action>(new ListAction(kind, args));
}

} // namespace automation
} // namespace qelvo
