#pragma once
// The parallel-port board's bus protocol: how a bus word becomes a latch
// write, a read of the chip's data lines or of the status register; the
// board's initialisation and the voltage latch. parlink and serlink share it.

#include <cstdint>
#include <optional>

#include "common/LatchCache.h"
#include "common/ParallelPort.h"

namespace veldrix::drivers {

class ParlinkProtocol {
public:
    // Executes one bus word (selector << 8 | data; higher bits ignored). Read
    // actions answer the byte read; the others answer 0.
    std::uint8_t bdport(const ParallelPort& port, std::uint32_t word);

    // Sets the ECP mode when `ecr` is given, runs the presence test and, when
    // every check passes, resets the board: 0. Else 0x100 | failed checks.
    std::uint32_t init(const ParallelPort& port, std::optional<std::uint8_t> ecr);

    // Composes the voltage byte and forces it into the voltage latch. 0.
    std::uint32_t voltage(const ParallelPort& port, std::int32_t vcc, std::int32_t vpp,
                          std::int32_t vid);

    [[nodiscard]] const LatchCache& cache() const noexcept { return cache_; }
    [[nodiscard]] std::uint8_t voltageByte() const noexcept { return voltageByte_; }

private:
    void reset(const ParallelPort& port);
    void strobeLatch(const ParallelPort& port, std::uint8_t selector, std::uint8_t data);
    std::uint8_t readDataLines(const ParallelPort& port, std::uint8_t selector);

    LatchCache cache_;
    std::uint8_t voltageByte_ = 0;
};

}  // namespace veldrix::drivers
