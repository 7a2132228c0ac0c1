#include "parlink/ParlinkProtocol.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "RecordingPortIo.h"
#include "ScriptedBoard.h"

namespace veldrix::drivers {
namespace {

using test::PortEvent;
using test::portIn;
using test::portOut;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr std::uint16_t kBase = 0x378;
constexpr std::uint16_t kData = kBase;
constexpr std::uint16_t kStatus = kBase + 1;
constexpr std::uint16_t kControl = kBase + 2;
constexpr std::uint16_t kEcp = kBase + 0x402;

std::vector<PortEvent> strobe(std::uint8_t selector, std::uint8_t data) {
    return {portOut(kData, data), portOut(kControl, selector),
            portOut(kControl, static_cast<std::uint8_t>(selector & 0x0C))};
}

std::vector<PortEvent> concat(std::initializer_list<std::vector<PortEvent>> parts) {
    std::vector<PortEvent> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

class ParlinkProtocolTest : public ::testing::Test {
protected:
    explicit ParlinkProtocolTest(portio::IPortIo* board = nullptr) : io(board) {}

    std::vector<PortEvent> run(std::uint32_t word) {
        io.events.clear();
        lastAnswer = protocol.bdport(port, word);
        return io.events;
    }

    test::RecordingPortIo io;
    ParallelPort port{io, kBase};
    ParlinkProtocol protocol;
    std::uint8_t lastAnswer = 0;
};

TEST_F(ParlinkProtocolTest, CachedLatchesStrobeOnceAndAgainWhenForced) {
    for (std::uint8_t selector : {1, 3, 6, 9, 11, 13, 15}) {
        SCOPED_TRACE(int(selector));
        EXPECT_EQ(run(selector << 8 | 0x5A), strobe(selector, 0x5A));
        EXPECT_EQ(lastAnswer, 0);
        EXPECT_THAT(run(selector << 8 | 0x5A), IsEmpty());
        EXPECT_EQ(run((selector | 0x80) << 8 | 0x5A), strobe(selector | 0x80, 0x5A));
        EXPECT_EQ(run(selector << 8 | 0xA5), strobe(selector, 0xA5));
    }
}

TEST_F(ParlinkProtocolTest, SelectorBitsFourToSixReachTheControlRegister) {
    EXPECT_EQ(run(0x7955), strobe(0x79, 0x55));
}

TEST_F(ParlinkProtocolTest, DirectionLatchIsAlwaysWrittenAndClearsTheAddressAndDataCaches) {
    run(0x0955);
    run(0x0312);
    EXPECT_EQ(run(0x0582), strobe(0x05, 0x82));
    EXPECT_EQ(run(0x0582), strobe(0x05, 0x82));
    // After selector 5 the board holds 0 in latches 1, 9 and 13.
    EXPECT_THAT(run(0x0900), IsEmpty());
    EXPECT_EQ(run(0x0955), strobe(0x09, 0x55));
    EXPECT_THAT(run(0x0312), IsEmpty());  // latch 3 is not one of them
    EXPECT_EQ(protocol.cache().value(5), 0x82);
}

TEST_F(ParlinkProtocolTest, SetupLatchIsAlwaysWrittenAndClearsVoltageControlAndPowerCaches) {
    for (std::uint32_t word : {0x0312u, 0x0B20u, 0x0F80u, 0x0944u}) {
        run(word);
    }
    EXPECT_EQ(run(0x8780), strobe(0x87, 0x80));
    EXPECT_THAT(run(0x0300), IsEmpty());
    EXPECT_THAT(run(0x0B00), IsEmpty());
    EXPECT_THAT(run(0x0F00), IsEmpty());
    EXPECT_THAT(run(0x0944), IsEmpty());  // latch 9 is not one of them
    EXPECT_EQ(run(0x0F80), strobe(0x0F, 0x80));
}

TEST_F(ParlinkProtocolTest, ResetForcesTheFourIdleWords) {
    run(0x0B20);
    EXPECT_EQ(run(0x0000), concat({strobe(0x85, 0x9B), strobe(0x87, 0x90), strobe(0x83, 0xCF),
                                   strobe(0x86, 0x00)}));
    // And again, even though every latch already holds its idle byte.
    EXPECT_EQ(run(0x0000).size(), 12u);
    EXPECT_EQ(protocol.cache().value(3), 0xCF);
    EXPECT_EQ(protocol.cache().value(11), 0x00);
}

class ParlinkReadTest : public ParlinkProtocolTest {
protected:
    ParlinkReadTest() : ParlinkProtocolTest(&board) { board.status[0x0C] = 0x6B; }
    test::ScriptedBoard board{kBase};
};

TEST_F(ParlinkReadTest, DataLineReadsTurnTheLinesAroundAndAnswerTheByte) {
    for (std::uint8_t selector : {0x02, 0x0A, 0x0E, 0x8E}) {
        SCOPED_TRACE(int(selector));
        board.out(kData, 0x3C);
        const auto events = run(selector << 8 | 0x77);
        EXPECT_THAT(events, ElementsAre(portOut(kControl, selector | 0x20), portIn(kData, 0x3C),
                                        portOut(kControl, selector & 0x0C)));
        EXPECT_EQ(lastAnswer, 0x3C);
    }
}

TEST_F(ParlinkReadTest, StatusReadTouchesNothingElse) {
    board.out(kControl, 0x0C);
    EXPECT_THAT(run(0x0800), ElementsAre(portIn(kStatus, 0x6B)));
    EXPECT_EQ(lastAnswer, 0x6B);
}

TEST_F(ParlinkProtocolTest, ReadsAndIdleActionsLeaveTheCacheAlone) {
    run(0x0D42);
    run(0x0E99);
    run(0x0A99);
    run(0x0899);
    EXPECT_THAT(run(0x0D42), IsEmpty());
    EXPECT_EQ(protocol.cache().value(14), 0);
    EXPECT_EQ(protocol.cache().value(10), 0);
    for (std::uint32_t idle : {0x0433u, 0x0C33u, 0x8C33u}) {
        EXPECT_THAT(run(idle), IsEmpty());
        EXPECT_EQ(lastAnswer, 0);
    }
}

TEST_F(ParlinkProtocolTest, OnlyTheLowSixteenBitsOfAWordCount) {
    EXPECT_EQ(run(0xABCD0955u), strobe(0x09, 0x55));
}

TEST_F(ParlinkProtocolTest, VoltageForcesTheComposedByteIntoLatchThree) {
    EXPECT_EQ(protocol.voltage(port, 0, 0, 0), 0u);
    EXPECT_EQ(io.events, strobe(0x83, 0xCF));
    EXPECT_EQ(protocol.voltageByte(), 0xCF);
    io.events.clear();
    EXPECT_EQ(protocol.voltage(port, 0, 0, 0), 0u);
    EXPECT_EQ(io.events, strobe(0x83, 0xCF));

    io.events.clear();
    protocol.voltage(port, 50, 125, 120);
    EXPECT_EQ(io.events, strobe(0x83, 0xD8));
    io.events.clear();
    protocol.voltage(port, 50, 129, 120);  // between two entries: 12.5 V again
    EXPECT_EQ(io.events, strobe(0x83, 0xD8));
}

class ParlinkInitTest : public ParlinkProtocolTest {
protected:
    ParlinkInitTest() : ParlinkProtocolTest(&board) {}
    test::ScriptedBoard board{kBase};

    const std::vector<PortEvent> presenceTest = {
        portOut(kData, 0x88),    portIn(kData, 0x88),     portOut(kControl, 0x06),
        portIn(kStatus, 0x88),   portOut(kControl, 0x07), portIn(kStatus, 0x80),
        portOut(kControl, 0x04), portIn(kStatus, 0x80),   portOut(kControl, 0x02),
        portIn(kStatus, 0x80),   portOut(kControl, 0x0E), portIn(kStatus, 0x80),
        portOut(kControl, 0x0C)};
};

TEST_F(ParlinkInitTest, PresentBoardGetsEcpModePresenceTestAndReset) {
    EXPECT_EQ(protocol.init(port, std::uint8_t{0x35}), 0u);
    const auto ecp = std::vector<PortEvent>{portIn(kEcp, 0xFF), portOut(kEcp, 0x35)};
    EXPECT_EQ(io.events, concat({ecp, presenceTest, strobe(0x85, 0x9B), strobe(0x87, 0x90),
                                 strobe(0x83, 0xCF), strobe(0x86, 0x00)}));
}

TEST_F(ParlinkInitTest, WithoutEcpStepNothingAboveBasePlusTwoIsTouched) {
    EXPECT_EQ(protocol.init(port, std::nullopt), 0u);
    EXPECT_EQ(std::vector<PortEvent>(io.events.begin(), io.events.begin() + 13), presenceTest);
    for (const PortEvent& event : io.events) {
        EXPECT_GE(event.address, kBase);
        EXPECT_LE(event.address, kBase + 2);
    }
}

struct FailureCase {
    const char* what;
    void (*breakBoard)(test::ScriptedBoard&);
    std::uint32_t expected;
};

// Keeps test listings readable instead of dumping the record's bytes.
void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.what;
}

class ParlinkInitFailureTest : public ParlinkInitTest,
                               public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ParlinkInitFailureTest, ReportsTheFailedChecksAndLeavesTheLatchesAlone) {
    GetParam().breakBoard(board);
    EXPECT_EQ(protocol.init(port, std::uint8_t{0x35}), GetParam().expected);
    // ECP step and presence test only: no reset afterwards.
    ASSERT_EQ(io.events.size(), 2 + presenceTest.size());
    EXPECT_EQ(io.events.back(), portOut(kControl, 0x0C));
    EXPECT_EQ(protocol.cache().value(3), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EachCheck, ParlinkInitFailureTest,
    ::testing::Values(
        FailureCase{"data readback", [](test::ScriptedBoard& b) { b.echoesData = false; }, 0x180},
        FailureCase{"busy clear", [](test::ScriptedBoard& b) { b.status[6] = 0x08; }, 0x140},
        FailureCase{"paper lines", [](test::ScriptedBoard& b) { b.status[6] = 0xA8; }, 0x140},
        FailureCase{"ack set", [](test::ScriptedBoard& b) { b.status[6] = 0xC8; }, 0x120},
        FailureCase{"answer under 7", [](test::ScriptedBoard& b) { b.status[7] = 0x88; }, 0x110},
        FailureCase{"answer under 4", [](test::ScriptedBoard& b) { b.status[4] = 0x88; }, 0x108},
        FailureCase{"answer under 2", [](test::ScriptedBoard& b) { b.status[2] = 0x88; }, 0x104},
        FailureCase{"answer under 14", [](test::ScriptedBoard& b) { b.status[14] = 0x88; }, 0x102},
        FailureCase{"always answering",
                    [](test::ScriptedBoard& b) {
                        for (int p : {2, 4, 7, 14})
                            b.status[p] = 0x88;
                    },
                    0x11F},
        FailureCase{"never answering", [](test::ScriptedBoard& b) { b.status[6] = 0x80; }, 0x11F},
        FailureCase{"floating bus",
                    [](test::ScriptedBoard& b) {
                        b.status.fill(0xFF);
                        b.echoesData = false;
                    },
                    0x1FF}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (c == ' ')
                c = '_';
        }
        return name;
    });

}  // namespace
}  // namespace veldrix::drivers
