#include "addon/shell/option_pages.h"

#include "automation/shell/general_page.h"
#include "codegen/shell/qelvo_windows_page.h"
#include "completion/shell/completion_page.h"
#include "core/shell/front_page.h"
#include "core/shell/mail_page.h"
#include "delivery/shell/delivery_page.h"
#include "groupware/shell/groupware_page.h"
#include "html/shell/html_page.h"
#include "navigation/shell/editor_page.h"
#include "tasks/shell/task_page.h"
#include "topbar/shell/top_menu_page.h"
#include "topbar/top_bar.h"

#include <new>

namespace qelvo {

namespace {
template <class Page> AddonPageBase* Make() {
    return new (std::nothrow) Page();
}
} // namespace

void BuildPages(IMpdChapterAddon& chapter) {
    AddonPageBase* pages[] = {
        Make<FrontPage>(),      Make<GeneralPage>(),  Make<EditorPage>(),       Make<TopMenuPage>(),
        Make<CompletionPage>(), Make<DeliveryPage>(), Make<MailPage>(),         Make<TaskPage>(),
        Make<GroupwarePage>(),  Make<HTMLPage>(),     Make<QelvoWindowsPage>(),
    };
    for (AddonPageBase* page : pages)
        chapter.AddPage(page);
}

void InstallOptionPages() {
    BuildOptionPages = BuildPages;
    RebuildAddonBar = RebuildBar;
}

} // namespace qelvo
