#include "topbar/bar_menu.h"

#include "core/command_ids.h"
#include "core/globals.h"
#include "core/project_session.h"
#include "core/project_values.h"
#include "core/recent_lists.h"
#include "foundation/text_utils.h"
#include "topbar/node_menus.h"
#include "topbar/top_bar.h"
#include "topbar/topbar_shell.h"

#include <string>

namespace qelvo {

int HideNodeMenusNow() {
    if (!Bar || !Bar->settings.hideWithView)
        return 0;
    TopBarShell* shell = CurrentTopBarShell();
    return shell && shell->ProjectViewOpen() ? 50 : 0;
}

void BuildBar(MenuPlan& plan) {
    plan = MenuPlan();
    NodeMenus.Clear();
    if (!Projects)
        return;
    const int first = plan.NewPopup();
    plan.firstPopup = first;
    for (int i = 0; i < Recent.projects.count; ++i)
        plan.AppendCommand(first, FileNamePart(Recent.projects.At(i)), kCmdRecentProjectFirst + i);
    if (Recent.projects.count > 0)
        plan.AppendSeparator(first);
    plan.AppendPopup(MenuPlan::kBar, "Qelvo", first);

    int counter = 0;
    const bool loaded = ProjectOpen() != 0;
    if (loaded && Bar)
        BuildNodeMenus(plan, Bar->settings.hierarchical + HideNodeMenusNow(), counter);
    if (NodeMenus.exes.count > 0)
        plan.AppendSeparator(first);

    const int includes = plan.NewPopup();
    for (int i = 0; i < Recent.includes.count; ++i)
        plan.AppendCommand(includes, FileNamePart(Recent.includes.At(i)),
                           kCmdRecentIncludeFirst + i);
    plan.AppendPopup(first, "Last Includes", includes);

    if (loaded) {
        plan.AppendSeparator(first);
        const int tasks = plan.NewPopup();
        plan.AppendCommand(tasks, "Manage...", kCmdTaskList);
        plan.AppendCommand(tasks, "Flash...", kCmdFlash);
        plan.AppendPopup(first, "Tasks", tasks);
        if (*ProjectValues.groupwareEnabled) {
            const int groupware = plan.NewPopup();
            plan.AppendCommand(groupware, "Get...", kCmdGroupwareGet);
            plan.AppendCommand(groupware, "Send...", kCmdGroupwareSend);
            plan.AppendSeparator(groupware);
            plan.AppendCommand(groupware, "Report...", kCmdEditDocumentation);
            plan.AppendCommand(groupware, "Server report...", kCmdServerReport);
            plan.AppendSeparator(groupware);
            plan.AppendCommand(groupware, "Mail...", kCmdMail);
            plan.AppendPopup(first, "Groupware", groupware);
        }
        if (*ProjectValues.htmlEnabled) {
            const int pages = plan.NewPopup();
            plan.AppendCommand(pages, "Generate", kCmdHtmlGenerate);
            plan.AppendCommand(pages, "Run", kCmdHtmlRun);
            plan.AppendPopup(first, "HTML", pages);
        }
    }
    plan.AppendSeparator(first);
    plan.AppendCommand(first, "Options...", kCmdOptionsDialog);
    plan.AppendCommand(first, "Help...", kCmdHelp);
}

void ShowMenuStatus(unsigned command) {
    std::string text = " ";
    if (command == kCmdHelp)
        text = "Open help window";
    else if (command == kCmdOptionsDialog)
        text = "Open options dialog";
    else if (command >= kCmdRecentProjectFirst && command <= kCmdRecentProjectLast) {
        int i = static_cast<int>(command - kCmdRecentProjectFirst);
        if (i < Recent.projects.count)
            text = std::string("Switch to project ") + Recent.projects.At(i);
    } else if (command >= kCmdRunFirst && command <= kCmdRunLast)
        text = std::string("Run ") + ExeItemText(static_cast<int>(command - kCmdRunFirst));
    else if (command >= kCmdRecentIncludeFirst && command <= kCmdRecentIncludeLast) {
        int i = static_cast<int>(command - kCmdRecentIncludeFirst);
        if (i < Recent.includes.count)
            text = std::string("Open ") + Recent.includes.At(i);
    } else if (command >= kCmdNodeFirst && command <= kCmdNodeLast)
        text = std::string("Open ") + NodeItemText(static_cast<int>(command - kCmdNodeFirst));
    ShowStatusText(text.c_str());
}

} // namespace qelvo
