#include "ports/PortList.h"

#include "core/TextFormat.h"
#include "vxsim.h"

namespace veldrix {

namespace {

// USB labels keep this many characters of the serial number.
constexpr std::size_t kUsbSerialShown = 5;

// Parallel and serial labels are four characters, "LPT1" to "LPT9" and
// "COM1" to "COM9": ports found beyond the ninth of a kind are not listed.
constexpr unsigned kMaxPortNumber = 9;

}  // namespace

PortList::PortList() {
    clear();
}

void PortList::clear() {
    entries_.assign(1, PortRecord{0, {}, {}, 0});
    current_ = 0;
    if (filledFamily_ != nullptr) {
        filledFamily_->portparam = nullptr;
        filledFamily_ = nullptr;
    }
}

void PortList::append(std::uint8_t kind, std::string label, std::string name,
                      std::uint16_t address) {
    entries_.push_back(PortRecord{address, std::move(label), std::move(name), kind});
}

void PortList::enumerate(std::uint16_t portmask, const std::vector<SystemDevice>& devices) {
    clear();
    unsigned parallelCount = 0;
    unsigned serialCount = 0;
    std::uint8_t usbCount = 0;  // numbers the USB labels from 0, as the counter wraps
    for (const auto& device : devices) {
        switch (device.kind) {
            case kPortParallel:
                if (parallelCount < kMaxPortNumber) {
                    append(kPortParallel, "LPT" + std::to_string(++parallelCount), device.name,
                           device.address);
                }
                break;
            case kPortSerial:
                if (serialCount < kMaxPortNumber) {
                    append(kPortSerial, "COM" + std::to_string(++serialCount), device.name, 0);
                }
                break;
            case kPortUsb:
                if ((portmask & kPortUsb) != 0) {
                    const std::string serial = device.serial.substr(0, kUsbSerialShown);
                    append(kPortUsb,
                           formatLimited(64, "USB%i SN:%s", static_cast<int>(usbCount++),
                                         serial.c_str()),
                           device.name, 0);
                }
                break;
            default:
                break;
        }
    }
    append(kPortParallel, std::string(kSimulatorPortLabel), std::string(kSimulatorPortLabel),
           VXSIM_BASE_ADDRESS);
}

std::uint16_t PortList::select(std::string_view label, HardwareFamily& family,
                               std::uint16_t* portAddressWord) {
    current_ = 0;
    if (!label.empty()) {
        for (std::size_t i = 1; i < entries_.size(); ++i) {
            if (entries_[i].label == label) {
                current_ = i;
                break;
            }
        }
    }
    const PortRecord& chosen = entries_[current_];
    switch (chosen.kind) {
        case kPortParallel:
            family.portparam = portAddressWord;
            if (portAddressWord != nullptr) {
                *portAddressWord = chosen.address;
            }
            break;
        case kPortSerial:
            family.portparam = portAddressWord;
            break;
        case kPortUsb:
            // Points into this list: clear() takes it back before the text goes.
            family.portparam = const_cast<char*>(chosen.name.c_str());
            break;
        default:
            family.portparam = nullptr;
            break;
    }
    filledFamily_ = &family;
    if (titleRefresh_) {
        titleRefresh_();
    }
    return chosen.address;
}

std::vector<std::string> PortList::labelsOfKinds(std::uint16_t portmask) const {
    std::vector<std::string> labels;
    for (const PortRecord& entry : entries_) {
        if ((entry.kind & portmask) != 0 && !entry.label.empty()) {
            labels.push_back(entry.label);
        }
    }
    return labels;
}

bool PortList::simulatorSelected() const {
    const PortRecord& chosen = current();
    return chosen.kind == kPortParallel && chosen.address == VXSIM_BASE_ADDRESS &&
           chosen.label == kSimulatorPortLabel;
}

}  // namespace veldrix
