#include "holtan/HoltanProtocol.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "RecordingPortIo.h"
#include "ScriptedBoard.h"

namespace veldrix::drivers {
namespace {

using test::PortEvent;
using test::portIn;
using test::portOut;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint16_t kBase = 0x278;

class HoltanProtocolTest : public ::testing::Test {
protected:
    std::vector<PortEvent> run(std::uint32_t word) {
        io.events.clear();
        lastAnswer = protocol.bdport(port, word);
        return io.events;
    }

    test::ScriptedBoard board{kBase};
    test::RecordingPortIo io{&board};
    ParallelPort port{io, kBase};
    HoltanProtocol protocol;
    std::uint8_t lastAnswer = 0;
};

TEST_F(HoltanProtocolTest, IdleActionWritesDataThenControl) {
    EXPECT_THAT(run(0x00FF), ElementsAre(portOut(kBase, 0x01), portOut(kBase + 2, 0x09)));
}

TEST_F(HoltanProtocolTest, BitActionsReadModifyWriteTheChosenRegister) {
    board.out(kBase, 0x0F);
    // Data bits 3-4 = 0 (data register), bits 0-2 = 6.
    EXPECT_THAT(run(0x0106), ElementsAre(portIn(kBase, 0x0F), portOut(kBase, 0x4F)));
    EXPECT_THAT(run(0x0200), ElementsAre(portIn(kBase, 0x4F), portOut(kBase, 0x4E)));
    // Register 2 (control) and register 3 (base+3, which the scripted board
    // leaves floating).
    board.out(kBase + 2, 0x04);
    EXPECT_THAT(run(0x0111), ElementsAre(portIn(kBase + 2, 0x04), portOut(kBase + 2, 0x06)));
    EXPECT_THAT(run(0x021F), ElementsAre(portIn(kBase + 3, 0xFF), portOut(kBase + 3, 0x7F)));
}

TEST_F(HoltanProtocolTest, CachedRegisterWritesAnswerTheByteEvenWhenSkipped) {
    const std::pair<std::uint8_t, std::uint16_t> targets[] = {
        {3, kBase}, {4, kBase + 1}, {5, kBase + 2}};
    for (auto [selector, address] : targets) {
        SCOPED_TRACE(int(selector));
        EXPECT_THAT(run(selector << 8 | 0x2C), ElementsAre(portOut(address, 0x2C)));
        EXPECT_EQ(lastAnswer, 0x2C);
        EXPECT_THAT(run(selector << 8 | 0x2C), IsEmpty());
        EXPECT_EQ(lastAnswer, 0x2C);
        EXPECT_THAT(run((selector | 0x80) << 8 | 0x2C), ElementsAre(portOut(address, 0x2C)));
    }
}

TEST_F(HoltanProtocolTest, ReadActionsAnswerTheirRegister) {
    board.out(kBase, 0x5A);
    board.out(kBase + 2, 0x06);  // status answers 0x88 under pattern 6
    EXPECT_THAT(run(0x0600), ElementsAre(portIn(kBase, 0x5A)));
    EXPECT_EQ(lastAnswer, 0x5A);
    EXPECT_THAT(run(0x0700), ElementsAre(portIn(kBase + 1, 0x88)));
    EXPECT_EQ(lastAnswer, 0x88);
    EXPECT_THAT(run(0x0800), ElementsAre(portIn(kBase + 2, 0x06)));
    EXPECT_EQ(lastAnswer, 0x06);
}

TEST_F(HoltanProtocolTest, ReadyActionAnswersOneOnlyWhileStatusBitSevenIsClear) {
    board.status[0] = 0x80;
    EXPECT_EQ(protocol.bdport(port, 0x0900), 0);
    board.status[0] = 0x7F;
    EXPECT_EQ(protocol.bdport(port, 0x0900), 1);
}

TEST_F(HoltanProtocolTest, UpperActionsDoNothing) {
    for (std::uint8_t selector = 10; selector < 16; ++selector) {
        EXPECT_THAT(run(selector << 8 | 0x12), IsEmpty());
        EXPECT_EQ(lastAnswer, 0);
    }
}

TEST_F(HoltanProtocolTest, InitEndsWithTheIdlePatternWhateverTheOutcomeAndHidesTheMask) {
    EXPECT_EQ(protocol.init(port, 0x35), 0u);
    EXPECT_EQ(io.events.front(), portIn(kBase + 0x402, 0xFF));
    EXPECT_EQ(io.events[1], portOut(kBase + 0x402, 0x35));
    EXPECT_THAT(
        std::vector<PortEvent>(io.events.end() - 3, io.events.end()),
        ElementsAre(portOut(kBase + 2, 0x0C), portOut(kBase, 0x01), portOut(kBase + 2, 0x09)));

    io.events.clear();
    board.echoesData = false;
    EXPECT_EQ(protocol.init(port, 0x35), 0x100u);
    EXPECT_THAT(std::vector<PortEvent>(io.events.end() - 2, io.events.end()),
                ElementsAre(portOut(kBase, 0x01), portOut(kBase + 2, 0x09)));
}

TEST_F(HoltanProtocolTest, VoltagePutsTheComposedByteOnTheDataRegister) {
    EXPECT_EQ(protocol.voltage(port, 50, 125, 120), 0u);
    EXPECT_THAT(io.events, ElementsAre(portOut(kBase, 0xD8)));
    EXPECT_EQ(protocol.voltageByte(), 0xD8);
}

}  // namespace
}  // namespace veldrix::drivers
