#pragma once
// A 20-pin EPROM whose low address byte shares the data pins: ALE latches it
// from the data lines, A8-A15 come from the address latch. With Vpp applied
// the ALE pin becomes the programming pulse (PGM, active high).

#include <cstdint>

#include "ChipModel.h"
#include "PulseTracker.h"

namespace veldrix::sim {

class MuxEpromChip final : public ChipModel {
public:
    static constexpr std::uint32_t kMinSize = 256;
    static constexpr std::uint32_t kMaxSize = 65536;

    // A power of two from kMinSize to kMaxSize.
    explicit MuxEpromChip(std::uint32_t size);

    [[nodiscard]] ChipKind kind() const noexcept override { return ChipKind::MuxEprom; }
    [[nodiscard]] bool powered(const BoardLines& lines) const noexcept override;
    void linesChanged(const BoardLines& lines, const AccessTime& now) override;
    [[nodiscard]] std::uint8_t dataLines(const BoardLines& lines,
                                         const AccessTime& now) const override;
    bool setIdentifier(std::uint8_t maker, std::uint8_t device) override;

private:
    [[nodiscard]] bool programMode(const BoardLines& lines) const noexcept;
    [[nodiscard]] std::uint32_t address(const BoardLines& lines) const noexcept;
    void finish(const PulseTracker::Pulse& pulse);

    std::uint8_t maker_;
    std::uint8_t device_;
    std::uint8_t lowAddress_ = 0;
    bool ale_ = false;
    bool eraseArmed_ = false;  // the first erase command cycle went through
    PulseTracker pulse_;
};

}  // namespace veldrix::sim
