// Generation on a thread of its own: the busy counter refuses a second request at once, stop
// waits for a running generation, and opening the result goes through the platform layer.
#include "html/html_generation.h"
#include "recorders.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using namespace qelvo;
using namespace qelvo::html;
using qelvo::testing_support::LaunchRecorder;
using qelvo::testing_support::MessageRecorder;
using qelvo::testing_support::TempDir;

namespace {

// Holds the generation thread at its start until the test lets it go.
class Gate {
public:
    Gate() { SetGenerationStartHook(&Gate::Hook, this); }
    ~Gate() {
        Open();
        WaitForGeneration();
        SetGenerationStartHook(nullptr, nullptr);
    }
    void Open() {
        std::lock_guard<std::mutex> lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }
    void WaitUntilReached() {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [this] { return reached_; });
    }

private:
    static void Hook(void* context) {
        Gate* gate = static_cast<Gate*>(context);
        std::unique_lock<std::mutex> lock(gate->mutex_);
        gate->reached_ = true;
        gate->changed_.notify_all();
        gate->changed_.wait(lock, [gate] { return gate->open_; });
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    bool open_ = false;
    bool reached_ = false;
};

TEST(Generation, WritesThePagesIntoQHtml) {
    TempDir dir;
    dir.Write("a.cpp", "/** Go Goes\n*/\nint Go(int a)\n");
    GenerationSummary summary;
    EXPECT_EQ(Generate(dir.path().c_str(), "App", "*.cpp;*.h", &summary), 1);
    EXPECT_EQ(summary.files, 1);
    EXPECT_EQ(summary.functions, 1);
    EXPECT_EQ(summary.output.pages, 8);
    EXPECT_TRUE(platform::FileExists(FramesetPath(dir.path().c_str(), "App").c_str()));
    EXPECT_EQ(FramesetPath(dir.path().c_str(), "App"),
              dir.path() + "\\qHTML\\Documentation App.html");
    // A second run reuses the directory and overwrites the pages.
    EXPECT_EQ(Generate(dir.path().c_str(), "App", "*.cpp;*.h", &summary), 1);
}

TEST(Generation, SecondRequestIsRefusedEvenBeforeTheThreadRuns) {
    TempDir dir;
    MessageRecorder messages;
    Gate gate;
    ASSERT_EQ(GenerationsRunning(), 0);
    EXPECT_EQ(StartGeneration(dir.path().c_str(), "App", "*.cpp"), 1);
    // The counter is raised on this thread: no window for a second start.
    EXPECT_EQ(GenerationsRunning(), 1);
    EXPECT_EQ(StartGeneration(dir.path().c_str(), "App", "*.cpp"), 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "HTML generation in progress");
    EXPECT_EQ(messages.messages[0].title, "Warning");
    EXPECT_EQ(messages.messages[0].flags, platform::kMbOk);
    EXPECT_EQ(messages.messages[0].owner, nullptr);
    gate.WaitUntilReached();
    EXPECT_EQ(StartGeneration(dir.path().c_str(), "App", "*.cpp"), 0);
    EXPECT_EQ(messages.messages.size(), 2u);
    gate.Open();
    WaitForGeneration();
    EXPECT_EQ(GenerationsRunning(), 0);
    EXPECT_TRUE(platform::FileExists(FramesetPath(dir.path().c_str(), "App").c_str()));
    // Once it has ended, the next generation starts.
    EXPECT_EQ(StartGeneration(dir.path().c_str(), "App", "*.cpp"), 1);
    WaitForGeneration();
    EXPECT_EQ(messages.messages.size(), 2u);
}

TEST(Generation, InputsAreCopiedWhenTheRequestIsMade) {
    TempDir dir;
    dir.Write("a.cpp", "int Go(int a)\n");
    Gate gate;
    {
        std::string directory = dir.path();
        std::string name = "Copied";
        std::string filters = "*.cpp";
        ASSERT_EQ(StartGeneration(directory.c_str(), name.c_str(), filters.c_str()), 1);
        directory.assign(directory.size(), 'x');
        name = "Changed";
        filters = "*.none";
    }
    gate.Open();
    WaitForGeneration();
    EXPECT_TRUE(platform::FileExists(dir.File("qHTML\\Fnc Go 0.html").c_str()));
    EXPECT_TRUE(platform::FileExists(dir.File("qHTML\\Documentation Copied.html").c_str()));
}

TEST(Generation, StopWaitsForARunningGeneration) {
    TempDir dir;
    dir.Write("a.cpp", "int Go(int a)\n");
    Gate gate;
    ASSERT_EQ(StartGeneration(dir.path().c_str(), "App", "*.cpp"), 1);
    gate.WaitUntilReached();
    std::atomic<bool> stopped{false};
    std::thread stopper([&] {
        WaitForGeneration();
        stopped = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(stopped.load());
    EXPECT_EQ(GenerationsRunning(), 1);
    gate.Open();
    stopper.join();
    EXPECT_TRUE(stopped.load());
    EXPECT_EQ(GenerationsRunning(), 0);
    EXPECT_TRUE(platform::FileExists(dir.File("qHTML\\Fnc Go 0.html").c_str()));
}

TEST(Generation, StopReturnsAtOnceWhenNothingRuns) {
    WaitForGeneration();
    WaitForGeneration();
    EXPECT_EQ(GenerationsRunning(), 0);
}

TEST(Generation, OpeningTheResultOpensTheFramesetPage) {
    LaunchRecorder launches;
    EXPECT_EQ(OpenDocumentation("C:\\Work\\App", "App"), 1);
    ASSERT_EQ(launches.documents.size(), 1u);
    EXPECT_EQ(launches.documents[0], "C:\\Work\\App\\qHTML\\Documentation App.html");
    launches.result = false;
    EXPECT_EQ(OpenDocumentation("C:\\Work\\App", "App"), 0);
}

TEST(Generation, DocumentationNameDropsTheProjectExtension) {
    EXPECT_EQ(DocumentationName("APP.IDE"), "APP");
    EXPECT_EQ(DocumentationName("x.ide"), "x");
    EXPECT_EQ(DocumentationName(".ide"), "");
    EXPECT_EQ(DocumentationName(nullptr), "");
    EXPECT_EQ(OutputDirectory(""), ".\\qHTML");
}

} // namespace
