#pragma once
// x86 in/out instructions on the registers of one port, for a process that
// holds I/O permission for them.

#include <cstdint>
#include <memory>

#include "IPortIo.h"

namespace veldrix::portio {

class DirectPortIo final : public IPortIo {
public:
    // Asks for permission on base..base+3 (and the extended control register
    // when the system grants it); nullptr without permission.
    [[nodiscard]] static std::unique_ptr<DirectPortIo> open(std::uint16_t base);

    // Addresses outside the granted registers read 0xFF and ignore writes:
    // touching them would fault.
    [[nodiscard]] std::uint8_t in(std::uint16_t address) override;
    void out(std::uint16_t address, std::uint8_t value) override;

private:
    DirectPortIo(std::uint16_t base, bool ecpGranted) noexcept
        : base_(base), ecpGranted_(ecpGranted) {}
    [[nodiscard]] bool granted(std::uint16_t address) const noexcept;

    std::uint16_t base_;
    bool ecpGranted_;
};

}  // namespace veldrix::portio
