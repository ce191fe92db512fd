// Planning the node menus of a generated project through the stand-in IDE's ProjectService:
// 10,000 nodes (10 executables of 10 source pools of 98 sources, and headers at the top), in
// the linear and the hierarchical layout. QELVO_BENCH_SMALL=1 plans a tiny tree instead.
#include "platform/platform.h"
#include "stand_in_ide.h"
#include "core/menu_plan.h"
#include "topbar/node_menus.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

using namespace qelvo;

namespace {

struct GeneratedProject {
    GeneratedProject() {
        bool small = std::getenv("QELVO_BENCH_SMALL") != nullptr;
        int executables = small ? 2 : 10, pools = small ? 2 : 10, files = small ? 5 : 98;
        int headers = small ? 3 : 89;
        const char* base = std::getenv("TMPDIR");
        path = std::string(base && *base ? base : "/tmp") + "/qelvo-bench-menus.ide";
        for (char& c : path)
            if (c == '/')
                c = '\\';
        if (FILE* f = platform::OpenFile(path.c_str(), "wb")) {
            std::fputs("QelvoStandInProject 1\nNode\n  Name \"BIG\"\nEnd\n", f);
            std::fclose(f);
        }
        if (!ide.Projects().Open(path))
            std::abort();
        host::Project* project = ide.Projects().Current();
        ide::IdeNode root = project->Top();
        for (int e = 0; e < executables; ++e) {
            ide::IdeNode exe = project->Add(root, "prog" + std::to_string(e) + ".exe", ".exe");
            for (int p = 0; p < pools; ++p) {
                ide::IdeNode pool = project->Add(exe, "Pool" + std::to_string(p), "SourcePool");
                for (int f = 0; f < files; ++f) {
                    std::string name = "s" + std::to_string(e) + "_" + std::to_string(p) + "_" +
                                       std::to_string(f);
                    project->Add(pool, name + (f % 7 == 6 ? ".obj" : ".cpp"),
                                 f % 7 == 6 ? ".obj" : ".cpp");
                }
            }
        }
        for (int h = 0; h < headers; ++h)
            project->Add(root, "h" + std::to_string(h) + ".h", ".h");
        nodes = static_cast<int>(project->NodeCount());
        service = ide::QueryService<ide::ProjectService>(ide.Services());
    }
    ~GeneratedProject() {
        service->Release();
        platform::RemoveFile(path.c_str());
    }

    host::StandInIde ide;
    std::string path;
    int nodes = 0;
    ide::ProjectService* service = nullptr;
};

void PlanMenus(benchmark::State& state) {
    static GeneratedProject project;
    int layout = static_cast<int>(state.range(0));
    NodeMenuLists lists;
    int items = 0;
    for (auto _ : state) {
        MenuPlan plan;
        plan.firstPopup = plan.NewPopup();
        plan.AppendPopup(MenuPlan::kBar, "Qelvo", plan.firstPopup);
        lists.Clear();
        int counter = 0;
        NodeMenuBuilder builder(project.service, plan, lists, 50);
        builder.BuildNodeMenus(layout, counter);
        items = counter;
        benchmark::DoNotOptimize(plan);
    }
    state.counters["nodes"] = project.nodes;
    state.counters["file_items"] = items;
    state.SetLabel(layout == 0 ? "linear" : "hierarchical");
}

} // namespace

BENCHMARK(PlanMenus)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
