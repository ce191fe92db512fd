#include "addon/lifecycle.h"

#include "automation/general_automation.h"
#include "codegen/code_generator.h"
#include "completion/keyword_completion.h"
#include "core/editor_access.h"
#include "core/help.h"
#include "core/mail.h"
#include "core/options_chapter.h"
#include "core/project_session.h"
#include "core/recent_lists.h"
#include "core/services.h"
#include "core/task_notes.h"
#include "core/tool_table.h"
#include "delivery/delivery.h"
#include "groupware/groupware_settings.h"
#include "html/html_generation.h"
#include "html/html_settings.h"
#include "navigation/editor_menu.h"
#include "navigation/quick_find.h"
#include "tasks/task_manager.h"
#include "topbar/top_bar.h"

#include <new>
#include <utility>

namespace qelvo {

bool (*FailPartCreation)(AddonPart part) = nullptr;

namespace {

bool started = false;
bool oleInitialized = false;

// A part is made without letting an exception out: a failed allocation, here or in the part's
// own constructor, leaves its pointer null, which every user checks.
template <class T, class... Args> void Create(T*& object, AddonPart part, Args&&... args) {
    if (object) return;
    if (FailPartCreation && FailPartCreation(part)) return;
    try {
        object = new T(std::forward<Args>(args)...);
    } catch (...) {
        object = nullptr;
    }
}

// The Make start runs the dialog code generator before anything else.
void GenerateAtMake() {
    if (CodeGenerator) CodeGenerator->MakeStarted();
}

template <class T> void Delete(T*& object) {
    delete object;
    object = nullptr;
}

} // namespace

void CreateParts(unsigned parts, ide::IdeServices* services, void* window, bool newShell) {
    // The service objects, in this order: quick find, help, the editor menu, the top bar,
    // keyword completion, general automation, (project delivery,) the completion's editor
    // access, the status holder, the tool table.
    if (parts & kPartQuickFind) Create(QuickFinder, kPartQuickFind, window);
    // A help file name that cannot be formed ends the process here.
    if (parts & kPartHelp)
        Create(Help, kPartHelp, Environment ? Environment->instance : nullptr, window);
    if (parts & kPartEditorMenu) Create(EditorMenus, kPartEditorMenu, window, newShell);
    if (parts & kPartTopBar) Create(Bar, kPartTopBar, newShell, window);
    if (parts & kPartCompletion) Create(Completion, kPartCompletion);
    // With "Unic" on and another IDE running, the process ends here.
    if (parts & kPartAutomation) {
        Create(Automation, kPartAutomation, services);
        if (Automation) Automation->beforeMake = GenerateAtMake;
    }
    if (parts & kPartDelivery) Create(Delivery, kPartDelivery, services);
    if (parts & kPartEditorAccess) Create(Editors, kPartEditorAccess, services);
    if (parts & kPartStatus) Create(Status, kPartStatus, services);
    if (parts & kPartTools) Create(Tools, kPartTools);
    // The project session: both project clients registered, the per-project options bound to
    // the ProjectService. (The options chapter and the recent lists come next.)
    if (parts & kPartProjects) Create(Projects, kPartProjects, services);
    if (parts & kPartOptionsChapter) Create(OptionsChapter, kPartOptionsChapter, services);
    // The option reader: without the OptionService the add-on cannot work.
    if (parts & kPartOptions) Create(Options, kPartOptions, services);
    // Mail; then the task list, groupware settings, HTML settings and the dialog code generator.
    if (parts & kPartMail) Create(Mail, kPartMail);
    if (parts & kPartTasks) {
        Create(Tasks, kPartTasks);
        // The delivery's mail carries the notices the task list keeps for it.
        DeliveryTaskNotes = TaskNotesForDelivery;
    }
    if (parts & kPartGroupware) Create(Groupware, kPartGroupware);
    if (parts & kPartHtml) Create(Html, kPartHtml);
    if (parts & kPartCodeGenerator) Create(CodeGenerator, kPartCodeGenerator);
}

void DeleteParts(unsigned parts) {
    if (parts & kPartCodeGenerator) Delete(CodeGenerator);
    if (parts & kPartMail) Delete(Mail);
    if (parts & kPartQuickFind) Delete(QuickFinder);
    if (parts & kPartDelivery) Delete(Delivery);
    /* (the hooks go here) */
    if (parts & kPartHelp) Delete(Help); // closes the help file when it was opened
    if (parts & kPartEditorMenu) Delete(EditorMenus);
    if (parts & kPartTopBar) Delete(Bar);
    if (parts & kPartCompletion) Delete(Completion);
    if (parts & kPartEditorAccess) Delete(Editors);
    if (parts & kPartAutomation) Delete(Automation);
    if (parts & kPartStatus) Delete(Status);
    if (parts & kPartTools) Delete(Tools);
    // The task list (its windows closed first, which saves its file), then the groupware settings.
    if (parts & kPartTasks) {
        Delete(Tasks);
        DeliveryTaskNotes = nullptr;
    }
    if (parts & kPartGroupware) Delete(Groupware);
    if (parts & kPartHtml) {
        // A generation still running uses the add-on's code: it ends first.
        html::WaitForGeneration();
        Delete(Html);
    }
    /* (the bar is destroyed here) */
    if (parts & kPartOptions) Delete(Options);
    // The chapter is withdrawn, so the IDE calls no page of an unloaded add-on.
    if (parts & kPartOptionsChapter) Delete(OptionsChapter);
    if (parts & kPartProjects) Delete(Projects);
}

bool StartAddon(ide::IdeServices* services, AddonShell& shell) {
    if (started || !services) return started;
    // OLE is initialised here rather than at process attach, where OleInitialize would run
    // under the loader lock. Without it the add-on does not start.
    if (!shell.InitializeOle()) return false;
    oleInitialized = true;
    started = true;
    static AddonEnvironment fallback;
    if (!Environment) Environment = &fallback;

    // 1. Keep the services object.
    Services = services;
    Services->AddRef();
    // 2. Refresh the OS text and the new-shell flag.
    shell.DescribeSystem(*Environment);
    bool newShell = Environment->newShell != 0;
    // 3-5. The window class, the start-up menu and the bar, not yet visible.
    void* window = shell.CreateBar(newShell);
    AddonWindow = window;
    // 6. The service objects.
    CreateParts(kPartQuickFind | kPartHelp | kPartEditorMenu | kPartTopBar | kPartCompletion |
                    kPartAutomation | kPartDelivery | kPartEditorAccess | kPartStatus | kPartTools,
                services, window, newShell);
    // 7. Show the bar when the top bar is enabled.
    if (window && Bar && Bar->settings.enabled) shell.ShowBar(window);
    // 8. The hook object.
    shell.CreateHooks(window);
    // 9-13. The project session, the options chapter, the recent lists, the option reader,
    // mail, the documentation's settings and the dialog code generator.
    CreateParts(kPartProjects | kPartOptionsChapter, services, window, newShell);
    LoadRecentLists();
    CreateParts(kPartOptions | kPartMail | kPartTasks | kPartGroupware | kPartHtml |
                    kPartCodeGenerator,
                services, window, newShell);
    return true;
}

void StopAddon(AddonShell& shell) {
    if (!started) return;
    // 1. Save the recent lists.
    SaveRecentLists();
    // 2. Delete the service objects, in this order; each writes its settings back.
    DeleteParts(kPartCodeGenerator | kPartMail | kPartQuickFind | kPartDelivery);
    shell.DeleteHooks();
    DeleteParts(kPartHelp | kPartEditorMenu | kPartTopBar | kPartCompletion | kPartEditorAccess |
                kPartAutomation | kPartStatus | kPartTools | kPartTasks | kPartGroupware | kPartHtml);
    // 3. Destroy the bar.
    shell.DestroyBar(AddonWindow);
    AddonWindow = nullptr;
    // 4. The option reader, then the project session (both clients unregistered).
    DeleteParts(kPartOptions | kPartOptionsChapter | kPartProjects);
    // 5. Release the services object.
    Services->Release();
    Services = nullptr;
    started = false;
    if (oleInitialized) shell.UninitializeOle();
    oleInitialized = false;
}

} // namespace qelvo
