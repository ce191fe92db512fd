// What the project menus' tests share: the add-on's globals over a stand-in IDE with a project
// built node by node, a recording TopBarShell, and a plan written out as one line of text.
#pragma once

#include "addon_parts.h"
#include "core/globals.h"
#include "core/project_session.h"
#include "core/services.h"
#include "core/tool_table.h"
#include "memory_registry.h"
#include "platform/platform.h"
#include "recorders.h"
#include "stand_in_ide.h"
#include "temp_dir.h"
#include "core/menu_plan.h"
#include "topbar/bar_menu.h"
#include "topbar/node_menus.h"
#include "topbar/top_bar.h"
#include "topbar/topbar_shell.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace qelvo {
namespace testing_support {

// A plan as text: items separated by ", ", a popup as Caption{items}, a command item as
// Caption=command, a column break as a leading '|', a separator as '-'.
inline std::string Render(const MenuPlan& plan, int menu) {
    std::string text;
    const std::vector<PlannedItem>& items = plan.Menu(menu).items;
    for (size_t i = 0; i < items.size(); ++i) {
        const PlannedItem& item = items[i];
        if (i > 0)
            text += ", ";
        if (item.columnBreak)
            text += "|";
        if (item.separator)
            text += "-";
        else if (item.IsPopup())
            text += item.text + "{" + Render(plan, item.popup) + "}";
        else
            text += item.text + "=" + std::to_string(item.command);
    }
    return text;
}

// The bar with its first popup shown by its caption only ("Qelvo").
inline std::string NodeBar(const MenuPlan& plan) {
    std::string text = Render(plan, MenuPlan::kBar);
    if (text.compare(0, 6, "Qelvo{") != 0)
        return text;
    int depth = 0;
    for (size_t i = 5; i < text.size(); ++i) {
        depth += text[i] == '{' ? 1 : text[i] == '}' ? -1 : 0;
        if (depth == 0)
            return "Qelvo" + text.substr(i + 1);
    }
    return text;
}

// The bar's side as the project menus see it, recorded.
class RecordingBarShell final : public TopBarShell {
public:
    struct Window {
        std::string className, title;
    };

    void* FindViewer(const char* className, const char* titlePart) override {
        searches.push_back(std::string(className) + " " + titlePart);
        for (Window& w : windows)
            if (w.className == className && TitleMatches(w.title, titlePart))
                return &w;
        return nullptr;
    }
    void BringForward(void* window) override {
        raised.push_back(static_cast<Window*>(window)->title);
    }
    bool ShiftDown() override { return shift; }
    void RebuildBar() override {
        ++rebuilds;
        BuildBar(plan);
        built = true;
    }
    MenuPlan* BarPlan() override { return built ? &plan : nullptr; }
    void ReplaceItem(int menu, int position, const PlannedItem& item) override {
        replaced.push_back(std::to_string(menu) + ":" + std::to_string(position) + " " +
                           item.text);
    }
    void RedrawBar() override { ++redraws; }
    bool ProjectViewOpen() override { return projectView; }
    void Collapse() override { ++collapses; }
    void PlaceAtMargins() override { ++placements; }

    static bool TitleMatches(const std::string& title, const char* part);

    std::vector<Window> windows;
    std::vector<std::string> searches, raised, replaced;
    bool shift = false, projectView = false;
    int rebuilds = 0, redraws = 0, collapses = 0, placements = 0;
    MenuPlan plan;
    bool built = false;
};

// The globals the project menus use, over a stand-in IDE; a project of the test's own.
class MenusTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens APP.IDE (only its top node) in the test's directory; gives the top node.
    ide::IdeNode OpenProject();
    // A node below parent; the file is the name made absolute for a type with a dot.
    ide::IdeNode Add(ide::IdeNode parent, const std::string& name, const std::string& type);
    host::ProjectNode& Node(ide::IdeNode node) { return *ide.Projects().Current()->Node(node); }
    // The bar as the bar's first popup and the node menus in the layout.
    std::string Build(int layout, int menuSize = 50);
    // The tool runs as "tool node-or-file" lines.
    std::vector<std::string> Runs();

    MemoryRegistry registry;
    MessageRecorder messages;
    LaunchRecorder launches;
    host::StandInIde ide;
    TempDir dir;
    RecordingBarShell shell;
    MenuPlan plan;
    std::string projectPath;
    std::string startDirectory;
    int liveInfos = 0, liveStrings = 0;

private:
    std::unique_ptr<AddonParts> parts;
    TopBarShell* previousShell_ = nullptr;
};

} // namespace testing_support
} // namespace qelvo
