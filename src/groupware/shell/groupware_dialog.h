// The groupware's two windows, "GROUPWARESEND" and "GROUPWAREGET": one list of rows with its
// tab stops and a row of buttons, each button working on the selected lines (all lines when
// none is), and the run button carrying out the requests with the copies' progress bar, the
// wait cursor, a new scan and the report mail. What differs between the two is a GwModel.
#pragma once

#include "core/delivered_copy.h"
#include "foundation/qstring.h"
#include "groupware/groupware_transfer.h"
#include "win32/dialog.h"

#include <windows.h>

#include <string>
#include <vector>

namespace qelvo {

enum : int { kGwListId = 101, kGwHelpId = 9 };

// One window's rows and what its buttons do to them.
class GwModel {
public:
    virtual void Scan() = 0;
    virtual int Count() const = 0;
    virtual std::string Line(int row) const = 0;
    virtual std::vector<int> Apply(const std::vector<int>& selected, int command) = 0;
    virtual std::vector<int> RunRows(uint64_t& total) const = 0;
    virtual GwRunCount Run(CopyObserver& observer, String& report) = 0;

protected:
    ~GwModel() = default;
};

struct GwButton {
    const char* text;
    int command;
};

struct GwLayout {
    const char* title;
    std::vector<int> tabStops; // dialog units
    std::vector<GwButton> buttons;
    int mail;                // mail the report when it is not empty
    const char* mailSubject; // followed by the project's name
};

class GroupwareDialog final : public win32::Dialog {
public:
    GroupwareDialog(GwModel& model, const GwLayout& layout) : model_(model), layout_(layout) {}
    INT_PTR Run(HWND owner);

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInit();
    void OnCommand(int id);
    void Refill();
    std::vector<int> Selection() const;
    void Rewrite(int row);
    void OnRun();
    HWND List() const { return GetDlgItem(Handle(), kGwListId); }

    GwModel& model_;
    const GwLayout& layout_;
};

} // namespace qelvo
