#pragma once
// A three-wire (Microwire) serial EEPROM in 16-bit organisation. CS on latch
// 11 bit 2, SK on latch 9 bit 0, DI on latch 1 bit 6, DO on data line 0.
// Instructions are clocked in on the rising SK edge while CS is high: a start
// bit (leading zeros are ignored), two opcode bits and the address field.

#include <cstdint>

#include "ChipModel.h"

namespace veldrix::sim {

class MicrowireChip final : public ChipModel {
public:
    static constexpr std::uint32_t kMinWords = 16;
    static constexpr std::uint32_t kMaxWords = 1024;

    // `words` a power of two from kMinWords to kMaxWords.
    explicit MicrowireChip(std::uint32_t words);

    // Width of the instruction's address field: the word index widened to an
    // even count of at least six bits (the top bits are don't-care).
    [[nodiscard]] unsigned addressBits() const noexcept { return addressBits_; }

    [[nodiscard]] ChipKind kind() const noexcept override { return ChipKind::Microwire; }
    [[nodiscard]] bool powered(const BoardLines& lines) const noexcept override;
    void linesChanged(const BoardLines& lines, const AccessTime& now) override;
    [[nodiscard]] std::uint8_t dataLines(const BoardLines& lines,
                                         const AccessTime& now) const override;
    bool setWriteTime(std::uint32_t microseconds) override;

private:
    enum class Phase {
        Deselected,
        AwaitStart,   // CS high, waiting for the start bit
        Instruction,  // opcode and address bits
        DataIn,       // 16 data bits of WRITE or WRAL
        ReadOut,      // DO shifts out the addressed words
        Complete,     // instruction taken; a write runs when CS falls
        Ignored,      // selected while busy: nothing is taken until CS falls
    };
    enum class Pending { None, Write, WriteAll, Erase, EraseAll };

    void powerChanged(bool on);
    void selected(const AccessTime& now);
    void deselected(const AccessTime& now);
    void risingEdge(bool di);
    void decodeInstruction();
    [[nodiscard]] std::uint16_t word(std::uint32_t index) const;
    void storeWord(std::uint32_t index, std::uint16_t value);

    std::uint32_t words_;
    unsigned addressBits_;
    std::uint64_t writeNanoseconds_;

    bool powered_ = false;
    bool cs_ = false;
    bool sk_ = false;
    bool writeEnabled_ = false;
    Phase phase_ = Phase::Deselected;
    Pending pending_ = Pending::None;
    std::uint32_t shift_ = 0;
    unsigned bitCount_ = 0;
    std::uint32_t address_ = 0;
    std::uint16_t data_ = 0;
    unsigned readBit_ = 0;  // bit of the current word now on DO
    bool doLevel_ = false;
    bool showStatus_ = false;      // DO shows ready/busy after a write started
    std::uint64_t busyUntil_ = 0;  // nanoseconds
};

}  // namespace veldrix::sim
