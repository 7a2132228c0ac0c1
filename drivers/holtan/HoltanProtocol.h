#pragma once
// The holtan board's bus protocol: its bus words address the port registers
// directly (bit set and clear, cached register writes, register reads). Its
// initialisation and voltage composition follow the parallel-port board's.

#include <cstdint>

#include "common/LatchCache.h"
#include "common/ParallelPort.h"

namespace veldrix::drivers {

// What a holtan bus word does, by selector bits 0 to 3; 10 to 15 do nothing.
enum class HoltanAction : std::uint8_t {
    Idle = 0,       // the board's idle pattern on data and control
    SetBit = 1,     // one bit of a register (data bits 3-4 register, 0-2 bit)
    ClearBit = 2,   // likewise
    WriteData = 3,  // cached register writes
    WriteStatus = 4,
    WriteControl = 5,
    ReadData = 6,
    ReadStatus = 7,
    ReadControl = 8,
    ReadReady = 9,  // 1 while status bit 7 (busy) is clear
};

class HoltanProtocol {
public:
    // Executes one bus word (selector << 8 | data). Cached writes answer the
    // byte written, reads the byte read, the other actions 0.
    std::uint8_t bdport(const ParallelPort& port, std::uint32_t word);

    // ECP mode, presence test, then the idle pattern whatever the outcome:
    // 0 when every check passed, else 0x100 (no mask).
    std::uint32_t init(const ParallelPort& port, std::uint8_t ecr);

    // Composes the voltage byte and puts it on the data register. 0.
    std::uint32_t voltage(const ParallelPort& port, std::int32_t vcc, std::int32_t vpp,
                          std::int32_t vid);

    [[nodiscard]] const LatchCache& cache() const noexcept { return cache_; }
    [[nodiscard]] std::uint8_t voltageByte() const noexcept { return voltageByte_; }

private:
    std::uint8_t cachedWrite(const ParallelPort& port, std::uint16_t offset, std::uint8_t selector,
                             std::uint8_t data);
    static void changeBit(const ParallelPort& port, std::uint8_t data, bool set);

    LatchCache cache_;
    std::uint8_t voltageByte_ = 0;
};

}  // namespace veldrix::drivers
