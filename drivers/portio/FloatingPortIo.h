#pragma once
// A port with nothing behind it: reads see the lines pulled high, writes go
// nowhere.

#include "IPortIo.h"

namespace veldrix::portio {

class FloatingPortIo final : public IPortIo {
public:
    static constexpr std::uint8_t kFloatingLines = 0xFF;

    [[nodiscard]] std::uint8_t in(std::uint16_t) override { return kFloatingLines; }
    void out(std::uint16_t, std::uint8_t) override {}
};

}  // namespace veldrix::portio
