// calypso's bus word sequences, its pulse-and-verify programming, erase
// cycles, identifier and insertion test, against a recording call block
// whose reads answer from an image at the address the latches hold.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "BoardMirror.h"
#include "CalypsoResults.h"
#include "IdentifiedModuleTest.h"

namespace {

using testing::ElementsAre;
using veldrix::test::BoardMirror;
using veldrix::test::IdentifiedModuleTest;
using veldrix::test::RecordingCallBlock;
using Kind = RecordingCallBlock::Kind;

std::vector<std::uint8_t> randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<std::uint8_t> bytes(n);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(rng());
    }
    return bytes;
}

std::size_t countOf(const std::vector<std::uint32_t>& values, std::uint32_t v) {
    return static_cast<std::size_t>(std::count(values.begin(), values.end(), v));
}

class CalypsoTest : public IdentifiedModuleTest {
protected:
    CalypsoTest() : IdentifiedModuleTest("calypso") {}

    void SetUp() override {
        IdentifiedModuleTest::SetUp();
        host.block.vcc = 50;
        host.block.vpp = 120;
        host.block.vid = 120;
        host.block.checkwr = 1;
    }

    // Selects the row of `size` and puts an erased chip behind the bus.
    void selectChip(std::uint32_t size) {
        ASSERT_EQ(module.select(host.block, size), DD_OK);
        host.buffer.assign(size, 0xFF);
        chip.assign(size, 0xFF);
        host.port = [this](std::uint16_t word) { return answer(word); };
        host.clearEvents();
    }

    std::uint8_t answer(std::uint16_t word) {
        mirror.see(word);
        if (word != 0x0E00) {
            return 0xFF;
        }
        ++reads;
        return readHook ? readHook(mirror) : chip[mirror.parallelAddress() % chip.size()];
    }

    void stopAfterFirstByte() {
        host.stopAt = [](std::int32_t position) { return position == 0; };
    }

    BoardMirror mirror;
    std::vector<std::uint8_t> chip;
    std::function<std::uint8_t(const BoardMirror&)> readHook;
    int reads = 0;
};

TEST_F(CalypsoTest, ReadSendsTheAddressWordsOfEachByte) {
    selectChip(131072);
    chip = randomBytes(131072, 1);
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    EXPECT_EQ(host.buffer, chip);

    const auto words = host.busWords();
    EXPECT_THAT(std::vector(words.begin(), words.begin() + 4),
                ElementsAre(0x8780, 0x8600, 0x8582, 0x0F80));
    const std::vector<std::uint16_t> at1ABCD = {0x09CD, 0x01AB, 0x0B8F, 0x0E00};
    EXPECT_NE(std::search(words.begin(), words.end(), at1ABCD.begin(), at1ABCD.end()), words.end());
    EXPECT_EQ(words.back(), 0x0000);
    const auto voltages = host.eventsOf(Kind::Voltage);
    ASSERT_EQ(voltages.size(), 1u);
    EXPECT_EQ(voltages[0].a, 50u);
    EXPECT_EQ(voltages[0].b, 120u);
    EXPECT_EQ(voltages[0].c, 140u);
    EXPECT_EQ(host.delays(), std::vector<std::uint32_t>{10000});
}

TEST_F(CalypsoTest, ReadReportsSixtyFourTimesAndStopsOnRequest) {
    selectChip(32768);
    chip = randomBytes(32768, 2);
    host.buffer.assign(32768, 0xEE);
    host.stopAt = [](std::int32_t position) { return position == 1024; };
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    const auto progress = host.eventsOf(Kind::Progress);
    ASSERT_EQ(progress.size(), 4u);
    EXPECT_EQ(progress[1].a, 512u);
    EXPECT_EQ(progress.back().b, DD_PROGRESS_CLOSE);
    EXPECT_TRUE(std::equal(chip.begin(), chip.begin() + 1025, host.buffer.begin()));
    EXPECT_EQ(host.buffer[1025], 0xEE);
    EXPECT_EQ(host.busWords().back(), 0x0000);
}

TEST_F(CalypsoTest, CompareMarksAndCountsEveryDifferingByte) {
    selectChip(65536);
    chip = randomBytes(65536, 3);
    host.buffer = chip;
    ASSERT_EQ(module.call(host.block, DD_FN_COMPARE), DD_OK);
    EXPECT_EQ(host.block.errdata, 0u);
    EXPECT_TRUE(host.markedAddresses().empty());

    for (const std::uint32_t a : {0u, 0x8000u, 0xFFFFu}) {
        host.buffer[a] ^= 0x01;
    }
    host.clearEvents();
    ASSERT_EQ(module.call(host.block, DD_FN_COMPARE), DD_OK);
    EXPECT_EQ(host.block.errdata, 3u);
    EXPECT_THAT(host.markedAddresses(), ElementsAre(0u, 0x8000u, 0xFFFFu));
}

TEST_F(CalypsoTest, BlankCheckReportsTheFirstProgrammedAddress) {
    selectChip(262144);
    ASSERT_EQ(module.call(host.block, DD_FN_BLANK_CHECK), DD_OK);

    chip[0x23456] = 0xFE;
    chip[0x30000] = 0x00;
    host.clearEvents();
    ASSERT_EQ(module.call(host.block, DD_FN_BLANK_CHECK), veldrix::calypso::kNotBlank);
    EXPECT_EQ(host.block.erraddr, 0x23456u);
    const auto& last = host.events.back();
    EXPECT_EQ(last.kind, Kind::Progress);
    EXPECT_EQ(last.b, DD_PROGRESS_CLOSE);
    EXPECT_EQ(host.busWords().back(), 0x0000);
}

TEST_F(CalypsoTest, OneByteWriteSendsThePulseAndOverprogramSequences) {
    selectChip(32768);
    host.block.checkwr = 0;
    module.key("Tpw")->value = 100;
    module.key("Nmul")->value = 3;
    module.key("Vccp")->value = 60;
    host.buffer[0] = 0x5A;
    stopAfterFirstByte();
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);

    EXPECT_THAT(host.busWords(), ElementsAre(0x8780, 0x8600, 0x0F42,  // power-up
                                             0x0B30, 0x8580, 0x0D5A, 0x0900, 0x0180, 0x0B70,  // arm
                                             0x0180, 0x0B60,                  // pulse
                                             0x0B70, 0x0180, 0x0B30, 0x0DA5,  // release
                                             0x0B30, 0x8580, 0x0D5A, 0x0900, 0x0180, 0x0B70,  // arm
                                             0x0180, 0x0B60,                          // overprogram
                                             0x0B70, 0x0180, 0x0B30, 0x8582, 0x0B80,  // release
                                             0x0000));
    EXPECT_THAT(host.delays(), ElementsAre(10000, 10, 100, 300, 10));
    const auto voltages = host.eventsOf(Kind::Voltage);
    ASSERT_EQ(voltages.size(), 1u);
    EXPECT_EQ(voltages[0].a, 60u);
    EXPECT_EQ(voltages[0].c, 140u);
}

TEST_F(CalypsoTest, UnverifiedWriteGivesEveryByteOnePulseAndOneOverprogram) {
    selectChip(32768);
    host.block.checkwr = 0;
    module.key("Tpw")->value = 7;
    module.key("Nmul")->value = 3;
    host.buffer = randomBytes(32768, 4);
    host.recordBusAndDelays = false;
    std::vector<std::uint32_t> waits;
    host.onDelay = [&](std::uint32_t us) { waits.push_back(us); };
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
    EXPECT_EQ(countOf(waits, 7), 32768u);
    EXPECT_EQ(countOf(waits, 21), 32768u);
    EXPECT_EQ(reads, 0);
}

TEST_F(CalypsoTest, VerifiedWriteOfAnIdenticalChipPulsesNothing) {
    selectChip(32768);
    chip = randomBytes(32768, 5);
    host.buffer = chip;
    module.key("Tpw")->value = 7;
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
    EXPECT_EQ(countOf(host.delays(), 7), 0u);
    for (const std::uint16_t w : host.busWords()) {
        ASSERT_NE(w >> 8, 0x0D) << "no data was placed for programming";
    }
}

TEST_F(CalypsoTest, PreCheckRefusesToSetAClearedBit) {
    selectChip(32768);
    chip = randomBytes(32768, 6);
    host.buffer = chip;
    chip[5] = 0x3F;
    host.buffer[5] = 0x7F;
    module.key("Tpw")->value = 7;
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_VERIFY_FAILED);
    EXPECT_EQ(host.block.erraddr, 5u);
    EXPECT_EQ(host.block.errdata, 0x3Fu);
    EXPECT_EQ(countOf(host.delays(), 7), 0u);
    EXPECT_EQ(host.busWords().back(), 0x0000);
    EXPECT_EQ(host.events.back().b, DD_PROGRESS_CLOSE);
}

TEST_F(CalypsoTest, ByteThatNeverProgramsFailsAfterNnumPulses) {
    selectChip(32768);
    host.block.forcewr = 1;  // no pre-check: only pulses can fail here
    module.key("Tpw")->value = 7;
    module.key("Nnum")->value = 4;
    module.key("Nmul")->value = 5;
    host.buffer[0] = 0x00;
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_VERIFY_FAILED);
    EXPECT_EQ(host.block.erraddr, 0u);
    EXPECT_EQ(host.block.errdata, 0xFFu);
    EXPECT_EQ(countOf(host.delays(), 7), 4u);
    EXPECT_EQ(countOf(host.delays(), 35), 0u) << "no overprogramming after a failure";
}

TEST_F(CalypsoTest, PulsesUntilTheByteVerifiesThenOverprograms) {
    selectChip(32768);
    host.block.forcewr = 1;
    module.key("Tpw")->value = 7;
    module.key("Nmul")->value = 2;
    host.buffer[0] = 0x42;
    // The cell takes two pulses: the first read back is still erased.
    readHook = [this](const BoardMirror&) { return reads == 1 ? 0xFF : 0x42; };
    stopAfterFirstByte();
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
    EXPECT_EQ(countOf(host.delays(), 7), 2u);
    EXPECT_EQ(countOf(host.delays(), 14), 1u);
    EXPECT_EQ(reads, 3) << "two verifies and the check after overprogramming";
}

TEST_F(CalypsoTest, ZeroPulseCountStillPulsesOnce) {
    selectChip(32768);
    host.block.forcewr = 1;
    module.key("Tpw")->value = 7;
    module.key("Nnum")->value = 0;
    module.key("Nmul")->value = 0;
    host.buffer[0] = 0x42;
    readHook = [](const BoardMirror&) { return std::uint8_t{0x42}; };
    stopAfterFirstByte();
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
    EXPECT_EQ(countOf(host.delays(), 7), 1u);
}

TEST_F(CalypsoTest, EraseOfAChipBlankAfterOneCycleTakesOneCycle) {
    selectChip(32768);
    host.block.erraddr = 77;
    ASSERT_EQ(module.call(host.block, DD_FN_ERASE), DD_OK);
    EXPECT_EQ(host.block.erraddr, 0u);
    const auto waits = host.delays();
    EXPECT_EQ(countOf(waits, 105000), 1u);
    const auto voltages = host.eventsOf(Kind::Voltage);
    ASSERT_EQ(voltages.size(), 4u) << "the erase supply and three blank checks";
    EXPECT_EQ(voltages[0].b, 140u);
    EXPECT_EQ(voltages[0].c, 140u);
    const auto progress = host.eventsOf(Kind::Progress);
    ASSERT_EQ(progress.size(), 2u);
    EXPECT_EQ(progress[0].a, 0u);
    EXPECT_EQ(progress[1].b, DD_PROGRESS_CLOSE);
}

TEST_F(CalypsoTest, EraseGivesUpAfterTwentyCyclesWithTheFirstProgrammedAddress) {
    selectChip(65536);
    chip[0x10] = 0x00;
    ASSERT_EQ(module.call(host.block, DD_FN_ERASE), 0x10);
    EXPECT_EQ(host.block.erraddr, 0x10u);
    const auto waits = host.delays();
    EXPECT_EQ(countOf(waits, 105000), 20u);
    EXPECT_EQ(countOf(waits, (19 * 19 + 1) * 10000), 3u);
    const auto progress = host.eventsOf(Kind::Progress);
    ASSERT_EQ(progress.size(), 21u);
    EXPECT_EQ(progress[19].a, (65536u / 20) * 19);
}

TEST_F(CalypsoTest, EraseFailureAtAddressZeroIsNotReportedAsSuccess) {
    selectChip(32768);
    chip[0] = 0x7F;
    EXPECT_EQ(module.call(host.block, DD_FN_ERASE), DD_BLANK_FAILED);
    EXPECT_EQ(host.block.erraddr, 0u);
}

TEST_F(CalypsoTest, ReadIdPacksMakerAboveDevice) {
    selectChip(32768);
    readHook = [](const BoardMirror& board) {
        return board.latch(9) == 0 ? std::uint8_t{0x3C} : std::uint8_t{0x10};
    };
    ASSERT_EQ(module.call(host.block, DD_FN_READ_ID), DD_OK);
    EXPECT_EQ(host.block.errdata, 0x3C10u);
    EXPECT_THAT(host.busWords(), ElementsAre(0x8582, 0x8780, 0x0900, 0x0180, 0x0B80, 0x0F50, 0x0BC0,
                                             0x0E00, 0x0901, 0x0E00, 0x0000));
    const auto voltages = host.eventsOf(Kind::Voltage);
    ASSERT_EQ(voltages.size(), 1u);
    EXPECT_EQ(voltages[0].b, 0u);
    EXPECT_EQ(voltages[0].c, 120u);
}

TEST_F(CalypsoTest, ReadIdWithoutIdentificationVoltageTouchesNothing) {
    selectChip(32768);
    host.block.vid = 0;
    host.block.errdata = 5;
    ASSERT_EQ(module.call(host.block, DD_FN_READ_ID), DD_OK);
    EXPECT_EQ(host.block.errdata, 0u);
    EXPECT_TRUE(host.events.empty());
}

TEST_F(CalypsoTest, InsertionTestComplainsOnlyWhenTheLinesDisagree) {
    selectChip(131072);
    host.block.testins = 0;
    ASSERT_EQ(module.call(host.block, DD_FN_TEST), DD_OK);
    EXPECT_TRUE(host.events.empty());

    host.block.testins = 1;
    ASSERT_EQ(module.call(host.block, DD_FN_TEST), DD_OK);
    EXPECT_TRUE(host.messages().empty());

    readHook = [this](const BoardMirror&) { return reads == 1 ? 0x00 : 0xFF; };
    reads = 0;
    host.clearEvents();
    ASSERT_EQ(module.call(host.block, DD_FN_TEST), veldrix::calypso::kNoChipInserted);
    EXPECT_THAT(host.messages(), ElementsAre("EEPROM not connected!"));
    EXPECT_THAT(host.busWords(),
                ElementsAre(0x09FF, 0x0100, 0x0B8F, 0x0E00, 0x0B0F, 0x0E00, 0x0B8F, 0x0000));
}

TEST_F(CalypsoTest, SelectionBoundsTheAlgorithmNumber) {
    host.block.wralg = 10;
    ASSERT_EQ(module.select(host.block, 524288), DD_OK);
    EXPECT_EQ(host.block.wralg, 10);
    EXPECT_EQ(host.block.pins, 32);
    host.block.wralg = 11;
    ASSERT_EQ(module.select(host.block, 65536), DD_OK);
    EXPECT_EQ(host.block.wralg, 255);
    EXPECT_EQ(host.block.pins, 28);
}

}  // namespace
