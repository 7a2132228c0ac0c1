#pragma once
// The ports a programmer can be attached to, rebuilt at every driver binding
// for the kinds the hardware family accepts. Selecting one hands its address
// or device path to the driver and the modules through the family's
// portparam.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dlldata.h"
#include "platform/SystemDevices.h"

namespace veldrix {

struct PortRecord {
    std::uint16_t address;  // I/O address of a parallel port; 0 for serial and USB
    std::string label;      // what the user sees and the settings remember
    std::string name;       // device node (for USB the path the modules open)
    std::uint8_t kind;      // kPortParallel, kPortSerial, kPortUsb; 0 for the empty head
};

// The simulated programmer board's entry.
inline constexpr std::string_view kSimulatorPortLabel = "SIM";

class PortList {
public:
    PortList();

    // Leaves only the empty head, which becomes current. A family whose
    // portparam pointed at a port of this list gets null, so no module is
    // left holding a port of a driver that may be gone.
    void clear();

    // Rebuilds the list from the system's devices, numbered in the order
    // given: parallel ports "LPT1" to "LPT9" and serial ports "COM1" to
    // "COM9" whatever the mask says (further ones are not listed), USB
    // devices "USB%i SN:%s" only with the mask's USB bit, then the simulated
    // board "SIM".
    void enumerate(std::uint16_t portmask, const std::vector<SystemDevice>& devices);

    // Makes the first entry labelled exactly `label` current (the head when
    // none is, or the label is empty), fills family.portparam for its kind
    // (a parallel port's address is written into *portAddressWord), refreshes
    // the window title, and returns the entry's address.
    std::uint16_t select(std::string_view label, HardwareFamily& family,
                         std::uint16_t* portAddressWord);

    [[nodiscard]] const PortRecord& current() const { return entries_[current_]; }
    // The empty head first, then the ports in the order found.
    [[nodiscard]] const std::vector<PortRecord>& entries() const { return entries_; }
    // The labels of the ports whose kind is in `portmask`, in list order:
    // what a hardware family can choose from.
    [[nodiscard]] std::vector<std::string> labelsOfKinds(std::uint16_t portmask) const;
    // The simulated board's entry is current.
    [[nodiscard]] bool simulatorSelected() const;

    // Run after every selection: the status callback with a null format,
    // which refreshes the window title.
    void setTitleRefresh(std::function<void()> refresh) { titleRefresh_ = std::move(refresh); }

private:
    void append(std::uint8_t kind, std::string label, std::string name, std::uint16_t address);

    std::vector<PortRecord> entries_;
    std::size_t current_ = 0;
    HardwareFamily* filledFamily_ = nullptr;
    std::function<void()> titleRefresh_;
};

}  // namespace veldrix
