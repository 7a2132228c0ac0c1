#pragma once
// Byte-wide access to I/O port registers by absolute address: the one way a
// programmer driver reaches its board.

#include <cstdint>

namespace veldrix::portio {

class IPortIo {
public:
    virtual ~IPortIo() = default;
    [[nodiscard]] virtual std::uint8_t in(std::uint16_t address) = 0;
    virtual void out(std::uint16_t address, std::uint8_t value) = 0;
};

}  // namespace veldrix::portio
