#include "core/lifecycle.h"

#include "completion/keyword_completion.h"
#include "core/services.h"
#include "core/tool_table.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "topbar/project_client.h"
#include "topbar/top_bar.h"

namespace qelvo {

namespace {

bool started = false;
bool oleInitialized = false;

template <class T> void Delete(T*& object) {
    delete object;
    object = nullptr;
}

} // namespace

bool StartAddon(ide::IdeServices* services, AddonShell& shell) {
    if (started || !services)
        return started;
    // OLE is initialised here rather than at process attach, where OleInitialize would run
    // under the loader lock. Without it the add-on does not start.
    if (!shell.InitializeOle())
        return false;
    oleInitialized = true;
    started = true;
    static AddonEnvironment fallback;
    if (!Environment)
        Environment = &fallback;

    // 1. Keep the services object.
    Services = services;
    Services->AddRef();
    // 2. Refresh the OS text and the new-shell flag.
    shell.DescribeSystem(*Environment);
    bool newShell = Environment->newShell != 0;
    // 3-5. The window class, the start-up menu and the bar, not yet visible.
    void* window = shell.CreateBar(newShell);
    AddonWindow = window;

    // 6. The service objects, in this order.
    QuickFinder = new QuickFind(window);            //  1. quick find
    /*                                                  2. help */
    EditorMenus = new EditorMenu(window, newShell); //  3. editor menu
    Bar = new TopBar(newShell, window);             //  4. top bar
    Completion = new KeywordCompletion;             //  5. keyword completion
    Automation = new GeneralAutomation;             //  6. general automation
    /*                                                  7. project delivery
                                                        8. the completion's editor access */
    Status = new StatusHolder(services);            //  9. the status holder
    Tools = new ToolTable;                          // 10. the tool table

    // 7. Show the bar when the top bar is enabled.
    if (window && Bar->settings.enabled)
        shell.ShowBar(window);
    // 8. The hook object.
    shell.CreateHooks(window);
    // 9. The project client holder: both project clients registered, the per-project options
    //    bound to the ProjectService.
    Projects = new ProjectTestA(services);
    /* 10. the options chapter
       11. the recent lists */
    // 12. The option reader: without the OptionService the add-on cannot work.
    Options = new OptionReader(services);
    // 13. Mail; then the task list, groupware settings, HTML settings and the dialog code
    //     generator.
    Mail = new MailService;
    return true;
}

void StopAddon(AddonShell& shell) {
    if (!started)
        return;
    /* 1. save the recent lists */
    // 2. Delete the service objects, in this order; each writes its settings back.
    /*    dialog code generator */
    Delete(Mail);
    Delete(QuickFinder);
    /*    project delivery */
    shell.DeleteHooks();
    /*    help */
    Delete(EditorMenus);
    Delete(Bar);
    Delete(Completion);
    /*    the completion's editor access */
    Delete(Automation);
    Delete(Status);
    Delete(Tools);
    /*    task list, groupware settings, HTML settings */
    // 3. Destroy the bar.
    shell.DestroyBar(AddonWindow);
    AddonWindow = nullptr;
    // 4. The option reader, then the project client holder (both clients unregistered).
    Delete(Options);
    Delete(Projects);
    // 5. Release the services object.
    Services->Release();
    Services = nullptr;
    started = false;
    if (oleInitialized)
        shell.UninitializeOle();
    oleInitialized = false;
}

} // namespace qelvo
