// Port permission: probe first, ask for the register ranges only when the
// probe fails, give back exactly what was granted.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/IoPermission.h"
#include "ports/PortPermission.h"
#include "vxsim.h"

namespace veldrix {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class PortPermissionTest : public ::testing::Test {
protected:
    IoAccessOperations fake() {
        return {[this](std::uint16_t port) {
                    log.push_back("probe " + hex(port));
                    return probeAnswers.empty() ? false : next(probeAnswers);
                },
                [this](std::uint16_t first, std::uint16_t count) {
                    log.push_back("grant " + hex(first) + " " + std::to_string(count));
                    return grantAnswers.empty() ? true : next(grantAnswers);
                },
                [this](std::uint16_t first, std::uint16_t count) {
                    log.push_back("release " + hex(first) + " " + std::to_string(count));
                }};
    }

    static bool next(std::vector<bool>& answers) {
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }

    static std::string hex(std::uint16_t value) {
        char text[8];
        std::snprintf(text, sizeof text, "%X", value);
        return text;
    }

    std::vector<std::string> log;
    std::vector<bool> probeAnswers;
    std::vector<bool> grantAnswers;
};

TEST_F(PortPermissionTest, AnAccessiblePortNeedsNoPermission) {
    probeAnswers = {true};
    PortPermission permission(fake());
    EXPECT_EQ(permission.access(1, 0x378), 1);
    EXPECT_EQ(permission.access(0, 0x378), 1);
    EXPECT_THAT(log, ElementsAre("probe 378"));
}

TEST_F(PortPermissionTest, AFailedProbeAsksForTheRegistersAndReportsTheSecondProbe) {
    probeAnswers = {false, true};
    PortPermission permission(fake());
    EXPECT_EQ(permission.access(1, 0x278), 1);
    EXPECT_THAT(log, ElementsAre("probe 278", "grant 278 4", "grant 678 3", "probe 278"));

    log.clear();
    probeAnswers = {false, false};
    grantAnswers = {false, false};
    EXPECT_EQ(permission.access(1, 0x3BC), 0);
    EXPECT_THAT(log, ElementsAre("probe 3BC", "grant 3BC 4", "grant 7BC 3", "probe 3BC"));
}

TEST_F(PortPermissionTest, ReleaseGivesBackWhatWasGrantedOnce) {
    probeAnswers = {false, true, false, false};
    grantAnswers = {true, false, true, true};
    PortPermission permission(fake());
    (void)permission.access(1, 0x378);
    (void)permission.access(1, 0x278);
    log.clear();
    EXPECT_EQ(permission.access(0, 0x378), 1);
    EXPECT_THAT(log, ElementsAre("release 378 4", "release 278 4", "release 678 3"));
    log.clear();
    EXPECT_EQ(permission.access(0, 0x378), 1);
    EXPECT_THAT(log, IsEmpty());
}

// The driver's own port access may have given a range back in between, so a
// failing probe asks again; the range is still given back only once.
TEST_F(PortPermissionTest, AFailingProbeAsksAgainAndTheRangeIsGivenBackOnce) {
    {
        PortPermission permission(fake());
        (void)permission.access(1, 0x378);
        (void)permission.access(1, 0x378);
        EXPECT_EQ(std::count(log.begin(), log.end(), "grant 378 4"), 2);
        log.clear();
    }
    EXPECT_THAT(log, ElementsAre("release 378 4", "release 778 3"));
}

TEST_F(PortPermissionTest, TheSimulatedBoardNeedsNothing) {
    PortPermission permission(fake());
    EXPECT_EQ(permission.access(1, VXSIM_BASE_ADDRESS), 1);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(PortPermissionTest, AddressZeroIsNoPortAndIsNeitherProbedNorAskedFor) {
    probeAnswers = {true};
    PortPermission permission(fake());
    EXPECT_EQ(permission.access(1, 0), 0);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(PortPermissionTest, RangesBeyondTheLastPortAreNotAskedFor) {
    PortPermission permission(fake());
    (void)permission.access(1, 0xFFFD);
    EXPECT_THAT(log, ElementsAre("probe FFFD", "probe FFFD"));
}

TEST(PortProbeTest, APortWithoutPermissionFailsTheProbeWithoutEndingTheProgram) {
    constexpr std::uint16_t kPort = 0x3BC;
    if (platform::grantIoPermission(kPort, 1)) {
        platform::releaseIoPermission(kPort, 1);
        GTEST_SKIP() << "this process may use port instructions";
    }
    EXPECT_FALSE(platform::probePort(kPort));
    EXPECT_FALSE(platform::probePort(kPort));
}

}  // namespace
}  // namespace veldrix
