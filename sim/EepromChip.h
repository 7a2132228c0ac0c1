#pragma once
// A byte-wide electrically erasable EPROM of 32 to 512 KB in the board's
// 32-pin socket (28-pin parts sit in its lower 28 positions).

#include <cstdint>

#include "ChipModel.h"
#include "PulseTracker.h"

namespace veldrix::sim {

// Where a part's supply and programming pins meet the board's switches.
struct EepromPinout {
    std::uint32_t size;
    std::uint8_t vccSwitch;  // latch 15 bit that powers the part
    std::uint8_t vppSwitch;  // latch 15 bit that feeds its Vpp pin
    std::uint8_t pgmLine;    // latch 11 bit of its PGM pin, 0 when it has none
    std::uint8_t device;     // default device code
};

// The 64 KB part takes Vpp on its /OE pin (socket pin 24).
inline constexpr EepromPinout kEepromPinouts[] = {
    {32768, board::kVccToPin30, board::kVppToPin3, 0x00, 0x10},
    {65536, board::kVccToPin30, board::kVppToPin24, 0x00, 0x11},
    {131072, board::kVccToPin32, board::kVppToPin1, 0x04, 0x12},
    {262144, board::kVccToPin32, board::kVppToPin1, 0x04, 0x13},
    {524288, board::kVccToPin32, board::kVppToPin1, 0x00, 0x14},
};

class EepromChip final : public ChipModel {
public:
    // Only the sizes of kEepromPinouts.
    [[nodiscard]] static const EepromPinout* pinoutFor(std::uint32_t size) noexcept;

    explicit EepromChip(const EepromPinout& pinout);

    [[nodiscard]] ChipKind kind() const noexcept override { return ChipKind::Eeprom; }
    [[nodiscard]] bool powered(const BoardLines& lines) const noexcept override;
    void linesChanged(const BoardLines& lines, const AccessTime& now) override;
    [[nodiscard]] std::uint8_t dataLines(const BoardLines& lines,
                                         const AccessTime& now) const override;
    bool setIdentifier(std::uint8_t maker, std::uint8_t device) override;

private:
    [[nodiscard]] std::uint32_t address(const BoardLines& lines) const noexcept;
    // The 64 KB part's /OE pin doubles as its Vpp pin: Vpp there turns the
    // outputs off.
    [[nodiscard]] bool vppOnOutputEnable(const BoardLines& lines) const noexcept;
    [[nodiscard]] bool outputsEnabled(const BoardLines& lines) const noexcept;
    [[nodiscard]] PulseKind pulseCalledFor(const BoardLines& lines) const noexcept;
    void finish(const PulseTracker::Pulse& pulse);

    EepromPinout pinout_;
    std::uint8_t maker_;
    std::uint8_t device_;
    PulseTracker pulse_;
};

}  // namespace veldrix::sim
