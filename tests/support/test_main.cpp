// The main of every test executable: a watchdog ends a run that hangs (a wrongly driven modal
// loop under Wine would otherwise block the whole suite).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    long seconds = 240;
    if (const char* text = std::getenv("QELVO_TEST_WATCHDOG"))
        seconds = std::strtol(text, nullptr, 10);
    if (seconds > 0) {
        std::thread([seconds] {
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            std::fprintf(stderr, "watchdog: test process still running after %ld s\n", seconds);
            std::fflush(stderr);
            std::_Exit(3);
        }).detach();
    }
    return RUN_ALL_TESTS();
}
