#pragma once
// A claimed parallel port of the kernel's ppdev interface (/dev/parportN), as
// the register mapping needs it.

#include <cstdint>
#include <memory>
#include <string>

namespace veldrix::portio {

class PpdevDevice {
public:
    virtual ~PpdevDevice() = default;
    virtual void writeData(std::uint8_t value) = 0;
    [[nodiscard]] virtual std::uint8_t readData() = 0;
    [[nodiscard]] virtual std::uint8_t readStatus() = 0;
    // The four control lines (bits 0 to 3).
    virtual void writeControl(std::uint8_t lines) = 0;
    [[nodiscard]] virtual std::uint8_t readControl() = 0;
    // Data lines as inputs (the board drives them) or outputs.
    virtual void setDataInput(bool input) = 0;
};

// Opens and claims the device; nullptr when it cannot be opened or claimed.
// The port is released and closed when the object goes.
[[nodiscard]] std::unique_ptr<PpdevDevice> openPpdevDevice(const std::string& path);

}  // namespace veldrix::portio
