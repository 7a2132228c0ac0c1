#pragma once
// The processor's port instructions and the system's permission for them, as
// DirectPortIo needs them; tests put a model of a port in their place.

#include <cstdint>

namespace veldrix::portio {

class PortInstructions {
public:
    virtual ~PortInstructions() = default;
    // Permission for the calling thread on [first, first + count).
    [[nodiscard]] virtual bool grant(std::uint16_t first, std::uint16_t count) = 0;
    virtual void revoke(std::uint16_t first, std::uint16_t count) = 0;
    // Only on granted addresses: anything else faults.
    [[nodiscard]] virtual std::uint8_t in(std::uint16_t address) = 0;
    virtual void out(std::uint16_t address, std::uint8_t value) = 0;
};

// The x86 instructions and ioperm(); on other processors nothing is granted.
[[nodiscard]] PortInstructions& processorPortInstructions();

}  // namespace veldrix::portio
