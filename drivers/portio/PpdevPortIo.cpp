#include "PpdevPortIo.h"

#include "FloatingPortIo.h"
#include "ParallelRegisters.h"

namespace veldrix::portio {

PpdevPortIo::PpdevPortIo(std::unique_ptr<PpdevDevice> device, std::uint16_t base)
    : device_(std::move(device)), base_(base) {
    control_ = static_cast<std::uint8_t>(device_->readControl() & board::kControlLines);
    device_->setDataInput(false);
}

std::uint8_t PpdevPortIo::in(std::uint16_t address) {
    switch (static_cast<std::uint16_t>(address - base_)) {
        case board::kDataRegister:
            return device_->readData();
        case board::kStatusRegister:
            return device_->readStatus();
        case board::kControlRegister:
            return control_;
        default:
            return FloatingPortIo::kFloatingLines;
    }
}

void PpdevPortIo::out(std::uint16_t address, std::uint8_t value) {
    switch (static_cast<std::uint16_t>(address - base_)) {
        case board::kDataRegister:
            device_->writeData(value);
            break;
        case board::kControlRegister:
            writeControl(value);
            break;
        default:
            break;  // status is read-only; the rest is not reachable through ppdev
    }
}

void PpdevPortIo::writeControl(std::uint8_t value) {
    const bool wasInput = (control_ & board::kControlDataInput) != 0;
    const bool input = (value & board::kControlDataInput) != 0;
    // Outputs off before the strobe pattern changes, on again after it, so the
    // port never drives the lines while the board does.
    if (input && !wasInput) {
        device_->setDataInput(true);
    }
    device_->writeControl(value & board::kControlLines);
    if (!input && wasInput) {
        device_->setDataInput(false);
    }
    control_ = value;
}

}  // namespace veldrix::portio
