#pragma once
// The simulated parallel-port programmer board at register level: the PC
// side's data, status and control registers, the board's latches behind
// them, and the chip in the socket.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "AccessTime.h"
#include "BoardFaults.h"
#include "BoardLines.h"
#include "ChipModel.h"
#include "SimClock.h"
#include "TraceWriter.h"

namespace veldrix::sim {

class SimBoard {
public:
    SimBoard(const SimClock& clock, TraceWriter& trace) noexcept : clock_(clock), trace_(trace) {}

    // Registers by offset from the base address.
    [[nodiscard]] std::uint8_t readRegister(std::uint16_t offset);
    void writeRegister(std::uint16_t offset, std::uint8_t value);

    // Puts a chip into the socket (nullptr empties it); returns the old one.
    std::unique_ptr<ChipModel> replaceChip(std::unique_ptr<ChipModel> chip);
    [[nodiscard]] ChipModel* chip() const noexcept { return chip_.get(); }
    [[nodiscard]] const BoardLines& lines() const noexcept { return lines_; }

    [[nodiscard]] BoardFaults& faults() noexcept { return faults_; }

    // Called when the chip in the socket loses its supply.
    void onPowerLoss(std::function<void()> handler) { powerLoss_ = std::move(handler); }

private:
    void writeControl(std::uint8_t value);
    void writeLatch(unsigned latch, std::uint8_t value);
    void clearLatches(std::span<const std::uint8_t> latches) noexcept;
    [[nodiscard]] std::uint8_t dataLines(const AccessTime& now) const;
    [[nodiscard]] std::uint8_t pattern() const noexcept;
    [[nodiscard]] std::uint8_t readData();
    [[nodiscard]] std::uint8_t readStatus();

    const SimClock& clock_;
    TraceWriter& trace_;
    std::uint8_t data_ = 0;
    std::uint8_t control_ = 0;
    BoardLines lines_;
    std::unique_ptr<ChipModel> chip_;
    bool chipPowered_ = false;
    BoardFaults faults_;
    std::function<void()> powerLoss_;
};

}  // namespace veldrix::sim
