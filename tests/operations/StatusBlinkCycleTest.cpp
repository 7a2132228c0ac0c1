#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/StatusBlinkCycle.h"

namespace veldrix {
namespace {

using std::chrono::milliseconds;

// Records the cycle as one line per step: "pane <text>", "beep <Hz> <ms>",
// "sleep <ms>".
struct CycleRecord {
    std::vector<std::string> steps;
    std::vector<std::string> panes;
    std::vector<unsigned> beeps;
    milliseconds slept{0};
    milliseconds beeped{0};

    StatusBlinkCycle cycle(bool withBeeper = true) {
        StatusBlinkCycle::Beeper beeper;
        if (withBeeper) {
            beeper = [this](unsigned hertz, milliseconds length) {
                steps.push_back("beep " + std::to_string(hertz) + " " +
                                std::to_string(length.count()));
                beeps.push_back(hertz);
                beeped += length;
            };
        }
        return StatusBlinkCycle(
            [this](const std::string& text) {
                steps.push_back("pane " + text);
                panes.push_back(text);
            },
            beeper,
            [this](milliseconds length) {
                steps.push_back("sleep " + std::to_string(length.count()));
                slept += length;
            });
    }
};

TEST(StatusBlinkCycle, BlinksThenHoldsThenClears) {
    CycleRecord record;
    record.cycle().run("Read error: 5", false);
    const std::string m = "Read error: 5";
    EXPECT_EQ(record.panes, (std::vector<std::string>{"", m, m, "", m, m, "", m, ""}));
    EXPECT_TRUE(record.beeps.empty());
    // 7 x (100 + 50) ms, then the 2 s hold.
    EXPECT_EQ(record.slept, milliseconds(7 * 150 + 2000));
    EXPECT_EQ(record.steps.back(), "pane ");
    EXPECT_EQ(record.steps[record.steps.size() - 2], "sleep 2000");
}

TEST(StatusBlinkCycle, BeepsRiseOverTheFirstFourSteps) {
    CycleRecord record;
    record.cycle().run("x", true);
    EXPECT_EQ(record.beeps, (std::vector<unsigned>{0, 500, 1000, 1500}));
    EXPECT_EQ(record.beeped, milliseconds(4 * 30));
    EXPECT_EQ(record.slept, milliseconds(4 * 50 + 3 * 150 + 2000));
    const std::vector<std::string> firstSteps{"pane ",  "beep 0 30",   "sleep 50",
                                              "pane x", "beep 500 30", "sleep 50"};
    EXPECT_EQ(std::vector<std::string>(record.steps.begin(), record.steps.begin() + 6), firstSteps);
}

TEST(StatusBlinkCycle, WithoutASpeakerTheBeepsAreWaitedOut) {
    CycleRecord record;
    record.cycle(false).run("x", true);
    EXPECT_TRUE(record.beeps.empty());
    EXPECT_EQ(record.slept, milliseconds(4 * (30 + 50) + 3 * 150 + 2000));
}

}  // namespace
}  // namespace veldrix
