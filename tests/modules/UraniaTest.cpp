// urania's Microwire traffic, decoded from the bus words the way a logic
// analyser on SK, DI, CS and DO would see it, plus the exact words of the
// line primitives and the buffer's byte order.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IdentifiedModuleTest.h"

namespace {

using testing::Each;
using testing::ElementsAre;
using veldrix::test::IdentifiedModuleTest;
using veldrix::test::RecordingCallBlock;

// One chip-select frame: DI at each rising SK edge that clocks a command bit
// in, and the number of DO samples.
struct Frame {
    std::string bits;
    int samples = 0;
};

std::vector<Frame> decodeFrames(const std::vector<std::uint16_t>& words) {
    std::vector<Frame> frames;
    bool cs = false, sk = false, di = false;
    for (const std::uint16_t w : words) {
        const unsigned selector = (w >> 8) & 0x0F;
        const unsigned data = w & 0xFF;
        if (selector == 0x0B) {
            const bool high = (data & 0x04) != 0;
            if (high && !cs) {
                frames.emplace_back();
            }
            cs = high;
        } else if (selector == 0x01) {
            di = (data & 0x40) != 0;
        } else if (selector == 0x09) {
            const bool high = (data & 0x01) != 0;
            if (high && !sk && cs && frames.back().samples == 0) {
                frames.back().bits += di ? '1' : '0';
            }
            sk = high;
        } else if (w == 0x0E00 && cs) {
            // The clock edge before each sample shifts data out, not a command bit.
            if (frames.back().samples++ == 0) {
                frames.back().bits.pop_back();
            }
        }
    }
    return frames;
}

std::string bitString(std::uint32_t value, unsigned count) {
    std::string s;
    for (unsigned i = count; i-- > 0;) {
        s += ((value >> i) & 1u) != 0 ? '1' : '0';
    }
    return s;
}

// Answers DO from a word image: frame f shifts out word f, MSB first.
struct WordImageChip {
    std::vector<std::uint16_t> words;
    int frame = -1;
    int sample = 0;
    bool cs = false;

    std::uint8_t operator()(std::uint16_t w) {
        if ((w >> 8) == 0x0B) {
            const bool high = (w & 0x04) != 0;
            if (high && !cs) {
                ++frame;
                sample = 0;
            }
            cs = high;
        }
        if (w == 0x0E00) {
            const std::uint16_t word = words[static_cast<std::size_t>(frame) % words.size()];
            return static_cast<std::uint8_t>((word >> (15 - sample++ % 16)) & 1);
        }
        return 0xFF;
    }
};

class UraniaTest : public IdentifiedModuleTest {
protected:
    UraniaTest() : IdentifiedModuleTest("urania") {}

    void SetUp() override {
        IdentifiedModuleTest::SetUp();
        host.block.vcc = 50;
    }

    void selectChip(std::uint32_t size) {
        ASSERT_EQ(module.select(host.block, size), DD_OK);
        host.buffer.assign(size, 0xFF);
        host.clearEvents();
    }
};

TEST_F(UraniaTest, ReadPowersUpThenClocksReadCommandsForEveryWord) {
    selectChip(128);
    host.block.vcc = 55;
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);

    const auto words = host.busWords();
    ASSERT_GE(words.size(), 12u);
    EXPECT_THAT(std::vector(words.begin(), words.begin() + 12),
                ElementsAre(0x8582, 0x8780, 0x0F80, 0x0B00,  // power-up
                            0x0B04,                          // CS high
                            0x0140, 0x0901, 0x0900,          // start bit
                            0x0140, 0x0901, 0x0900,          // opcode 1
                            0x0100));                        // opcode 0 ...
    const auto voltages = host.eventsOf(RecordingCallBlock::Kind::Voltage);
    ASSERT_EQ(voltages.size(), 1u);
    EXPECT_EQ(voltages[0].a, 55u);
    EXPECT_EQ(voltages[0].b, 0u);
    EXPECT_EQ(voltages[0].c, 0u);
    EXPECT_EQ(host.delays().front(), 10000u);

    const auto frames = decodeFrames(words);
    ASSERT_EQ(frames.size(), 64u);
    for (std::uint32_t w = 0; w < 64; ++w) {
        EXPECT_EQ(frames[w].bits, "110" + bitString(w, 6)) << w;
        EXPECT_EQ(frames[w].samples, 16) << w;
    }
    EXPECT_EQ(words.back(), 0x0000);
    const auto progress = host.eventsOf(RecordingCallBlock::Kind::Progress);
    ASSERT_EQ(progress.size(), 65u);
    EXPECT_EQ(progress[63].a, 63u);
    EXPECT_EQ(progress.back().b, DD_PROGRESS_CLOSE);
}

TEST_F(UraniaTest, ReadStoresTheLowByteFirstInTheBuffer) {
    selectChip(128);
    WordImageChip chip{std::vector<std::uint16_t>(64)};
    for (std::size_t w = 0; w < 64; ++w) {
        chip.words[w] = static_cast<std::uint16_t>(0x0101 * w + 0x8000);
    }
    chip.words[5] = 0x1234;
    host.port = std::ref(chip);
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    EXPECT_EQ(host.buffer[10], 0x34);
    EXPECT_EQ(host.buffer[11], 0x12);
    for (std::size_t w = 0; w < 64; ++w) {
        ASSERT_EQ(host.buffer[2 * w] | host.buffer[2 * w + 1] << 8, chip.words[w]) << w;
    }
}

TEST_F(UraniaTest, SixteenWordPartUsesTheShortCommandForm) {
    selectChip(32);
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    const auto frames = decodeFrames(host.busWords());
    ASSERT_EQ(frames.size(), 16u);
    for (std::uint32_t w = 0; w < 16; ++w) {
        EXPECT_EQ(frames[w].bits, "011000" + bitString(w, 4)) << w;
        EXPECT_EQ(frames[w].samples, 16);
    }
}

TEST_F(UraniaTest, CompareMarksBothBytesOfAWrongWordAndCountsWords) {
    selectChip(128);
    WordImageChip chip{std::vector<std::uint16_t>(64, 0xA55A)};
    host.port = std::ref(chip);
    for (std::size_t w = 0; w < 64; ++w) {
        host.buffer[2 * w] = 0x5A;
        host.buffer[2 * w + 1] = 0xA5;
    }
    host.buffer[14] = 0x00;  // low byte of word 7
    host.buffer[7] = 0x00;   // high byte of word 3
    host.block.errdata = 99;
    ASSERT_EQ(module.call(host.block, DD_FN_COMPARE), DD_OK);
    EXPECT_THAT(host.markedAddresses(), ElementsAre(6, 7, 14, 15));
    EXPECT_EQ(host.block.errdata, 2u);
    const auto frames = decodeFrames(host.busWords());
    EXPECT_EQ(frames[3].samples, 8) << "a wrong high byte skips the low byte";
    EXPECT_EQ(frames[7].samples, 16);
}

TEST_F(UraniaTest, StandardWriteEnablesWritesAndWaitsForEachWord) {
    selectChip(128);
    host.block.checkwr = 0;
    for (std::size_t i = 0; i < host.buffer.size(); ++i) {
        host.buffer[i] = static_cast<std::uint8_t>(i * 7);
    }
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
    const auto frames = decodeFrames(host.busWords());
    ASSERT_EQ(frames.size(), 64u * 3);
    for (std::uint32_t w = 0; w < 64; ++w) {
        SCOPED_TRACE(w);
        const std::uint32_t data = host.buffer[2 * w + 1] << 8 | host.buffer[2 * w];
        EXPECT_EQ(frames[3 * w].bits, "100110000");  // EWEN
        EXPECT_EQ(frames[3 * w + 1].bits, "101" + bitString(w, 6) + bitString(data, 16));
        EXPECT_EQ(frames[3 * w + 2].bits, "");  // the busy frame while the write runs
    }
    std::size_t cycles = 0;
    for (const std::uint32_t d : host.delays()) {
        cycles += d == 5000 ? 1 : 0;
    }
    EXPECT_EQ(cycles, 64u);
    EXPECT_EQ(host.busWords().back(), 0x0000);
}

TEST_F(UraniaTest, WriteEnableFillsTheWholeAddressField) {
    for (const std::uint32_t size : {256u, 512u, 1024u, 2048u}) {
        SCOPED_TRACE(size);
        selectChip(size);
        host.block.checkwr = 0;
        ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
        const unsigned field = size <= 512 ? 8 : 10;
        const auto frames = decodeFrames(host.busWords());
        EXPECT_EQ(frames.front().bits, "10011" + std::string(field - 2, '0'));
        EXPECT_EQ(frames[1].bits.size(), 3 + field + 16);
    }
}

TEST_F(UraniaTest, ShortFormWriteErasesFirstAndDisablesWritesAfter) {
    selectChip(32);
    host.block.checkwr = 0;
    host.buffer[6] = 0xCD;
    host.buffer[7] = 0xAB;
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
    const auto frames = decodeFrames(host.busWords());
    ASSERT_EQ(frames.size(), 16u * 4);
    const std::size_t w = 3;
    EXPECT_EQ(frames[4 * w].bits, "0100110000");                    // EWEN
    EXPECT_EQ(frames[4 * w + 1].bits, "011100" + bitString(w, 4));  // ERASE
    EXPECT_EQ(frames[4 * w + 2].bits, "010100" + bitString(w, 4) + bitString(0xABCD, 16));
    EXPECT_EQ(frames[4 * w + 3].bits, "0100000000");  // EWDS
    std::size_t waits = 0;
    for (const std::uint32_t d : host.delays()) {
        waits += d == 2000 ? 1 : 0;
    }
    EXPECT_EQ(waits, 32u);
}

TEST_F(UraniaTest, VerifiedWriteStopsAtTheFirstWrongWord) {
    selectChip(128);
    host.block.checkwr = 1;
    // Every read answers 0x1234: word 0 holds it, word 1 should not.
    WordImageChip chip{{0x1234}};
    host.port = std::ref(chip);
    host.buffer[0] = 0x34;
    host.buffer[1] = 0x12;
    host.buffer[2] = 0x35;
    host.buffer[3] = 0x12;
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_VERIFY_FAILED);
    EXPECT_EQ(host.block.erraddr, 2u);
    EXPECT_EQ(host.block.errdata, 0x1234u);
    const auto frames = decodeFrames(host.busWords());
    ASSERT_EQ(frames.size(), 8u) << "two words of EWEN, WRITE, busy, READ";
    EXPECT_EQ(frames[3].bits, "110000000");
    EXPECT_EQ(frames[7].samples, 16);
    EXPECT_EQ(host.busWords().back(), 0x0000);
    const auto progress = host.eventsOf(RecordingCallBlock::Kind::Progress);
    EXPECT_EQ(progress.back().b, DD_PROGRESS_CLOSE);
}

TEST_F(UraniaTest, OnlyCheckValueOneVerifies) {
    selectChip(128);
    host.block.checkwr = 2;
    host.buffer.assign(128, 0x00);  // the floating bus would read 0xFFFF
    ASSERT_EQ(module.call(host.block, DD_FN_WRITE), DD_OK);
    for (const auto& frame : decodeFrames(host.busWords())) {
        EXPECT_EQ(frame.samples, 0);
    }
}

TEST_F(UraniaTest, CellDelayChangesWaitsButNotTheBits) {
    selectChip(128);
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    const auto fastWords = host.busWords();

    module.key("CDELAY")->value = 50;
    host.clearEvents();
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    EXPECT_EQ(host.busWords(), fastWords);
    auto waits = host.delays();
    ASSERT_EQ(waits.front(), 10000u);
    waits.erase(waits.begin());
    EXPECT_THAT(waits, Each(50u));
    // One wait per line change and sample; none for the power-up words and
    // the final reset.
    EXPECT_EQ(waits.size(), fastWords.size() - 5);
}

TEST_F(UraniaTest, StopRequestsAreIgnored) {
    selectChip(128);
    host.stopAt = [](std::int32_t) { return true; };
    ASSERT_EQ(module.call(host.block, DD_FN_READ), DD_OK);
    EXPECT_EQ(decodeFrames(host.busWords()).size(), 64u);
}

}  // namespace
