#pragma once
// Port registers mapped onto a ppdev device. The kernel drives only control
// bits 0 to 3 through PPWCONTROL; the data direction (bit 5) goes through
// PPDATADIR and is never reported back, so a soft copy of the control
// register answers its reads. The extended control register is out of reach
// and skipped.

#include <cstdint>
#include <memory>

#include "IPortIo.h"
#include "PpdevDevice.h"

namespace veldrix::portio {

class PpdevPortIo final : public IPortIo {
public:
    // Starts with the data lines as outputs.
    PpdevPortIo(std::unique_ptr<PpdevDevice> device, std::uint16_t base);

    [[nodiscard]] std::uint8_t in(std::uint16_t address) override;
    void out(std::uint16_t address, std::uint8_t value) override;

private:
    void writeControl(std::uint8_t value);

    std::unique_ptr<PpdevDevice> device_;
    std::uint16_t base_;
    std::uint8_t control_;
};

}  // namespace veldrix::portio
