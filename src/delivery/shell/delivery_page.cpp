#include "delivery/shell/delivery_page.h"

#include "core/project_session.h"
#include "core/project_values.h"
#include "core/shell/page_controls.h"
#include "delivery/delivery.h"

#include <cstring>
#include <string>
#include <vector>

namespace qelvo {

namespace {
const ControlHint kHints[] = {
    {1010, "Activate delivery tool (in Tool menu)"},
    {1011, "Select delivery group"},
    {1012, "Set delivery directory"},
};
constexpr int kList = 1011, kEdit = 1012;
// A line (type, ':' and directory) is cut to this many characters.
constexpr int kMaxLine = 298;

std::string LineText(HWND list, int line) {
    std::vector<char> text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, line, 0)) + 1);
    SendMessageA(list, LB_GETTEXT, line, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string AfterColon(const std::string& line) {
    const size_t colon = line.find(':');
    return colon == std::string::npos ? std::string() : line.substr(colon + 1);
}
} // namespace

DeliveryPage::DeliveryPage()
    : AddonPageBase(107, 1, "Project delivery", 19, "Set project delivery options", kHints,
                    sizeof kHints / sizeof kHints[0]) {}

void DeliveryPage::LoadControls() {
    HWND list = PageItem(*this, kList);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const bool open = ProjectOpen() != 0;
    SetPageText(*this, kEdit, "");
    if (Delivery) SetPageCheck(*this, 1010, Delivery->enabled);
    // Without a project there are no entries to show.
    if (Delivery && open) {
        // The entries follow the DELIVERY pool's types first, as a delivery run does.
        std::vector<DeliveryNode> pool;
        const bool found = ReadDeliveryNodes(ProjectServiceOrNull(), pool);
        SyncDeliveryTypes(Delivery->pairs, found ? &pool : nullptr);
        for (int i = 0; i < Delivery->pairs.count; ++i) {
            const OneDelRep* pair = Delivery->pairs.At(i);
            std::string line = std::string(pair->type.c_str()) + ":" + pair->folder.c_str();
            if (line.size() > kMaxLine) line.resize(kMaxLine);
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        }
        if (Delivery->pairs.count > 0) {
            SendMessageA(list, LB_SETCURSEL, 0, 0);
            SetPageText(*this, kEdit, Delivery->pairs.At(0)->folder.c_str());
        }
    }
    EnablePageItems(*this, 1010, 1012, open);
}

void DeliveryPage::SaveControls() {
    if (!Delivery) return;
    HWND list = PageItem(*this, kList);
    const int lines = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < lines && i < Delivery->pairs.count; ++i)
        Delivery->pairs.At(i)->folder = AfterColon(LineText(list, i)).c_str();
    Delivery->enabled = PageChecked(*this, 1010);
    if (!ProjectOpen()) return;
    if (Delivery->enabled)
        Delivery->RegisterDeliveryTool();
    else
        Delivery->UnregisterDeliveryTool();
    WriteProjectOptions();
}

void DeliveryPage::Notify(int32_t controlId, int32_t notification) {
    if (controlId == kList) {
        ShowHint(HintOf(kList));
        if (notification == kNotifySelChange) ShowSelectedDirectory();
    } else if (controlId == kEdit && notification == kNotifyEditChange) {
        ReplaceSelectedLine();
    }
}

void DeliveryPage::ShowSelectedDirectory() {
    HWND list = PageItem(*this, kList);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    SetPageText(*this, kEdit, AfterColon(LineText(list, static_cast<int>(selected))).c_str());
}

void DeliveryPage::ReplaceSelectedLine() {
    HWND list = PageItem(*this, kList);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR || !Delivery || selected >= Delivery->pairs.count) return;
    std::string line = std::string(Delivery->pairs.At(static_cast<int>(selected))->type.c_str()) +
                       ":" + ReadPageText(*this, kEdit, kMaxLine).c_str();
    if (line.size() > kMaxLine) line.resize(kMaxLine);
    SendMessageA(list, LB_DELETESTRING, selected, 0);
    SendMessageA(list, LB_INSERTSTRING, selected, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(list, LB_SETCURSEL, selected, 0);
}

} // namespace qelvo
