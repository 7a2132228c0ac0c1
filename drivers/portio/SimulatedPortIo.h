#pragma once
// The port registers of the simulated programmer board.

#include <cstdint>

#include "IPortIo.h"

namespace veldrix::sim {
class SimBoard;
}

namespace veldrix::portio {

class SimulatedPortIo final : public IPortIo {
public:
    SimulatedPortIo(sim::SimBoard& board, std::uint16_t base) noexcept
        : board_(board), base_(base) {}

    [[nodiscard]] std::uint8_t in(std::uint16_t address) override;
    void out(std::uint16_t address, std::uint8_t value) override;

private:
    [[nodiscard]] std::uint16_t offset(std::uint16_t address) const noexcept {
        return static_cast<std::uint16_t>(address - base_);
    }

    sim::SimBoard& board_;
    std::uint16_t base_;
};

}  // namespace veldrix::portio
