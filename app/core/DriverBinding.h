#pragma once
// Binds the programmer driver of the current hardware family: loads the
// library, hands its bus function and voltage tables to the modules through
// the call block, makes its port reachable, runs its guarded init and builds
// the port list. One driver is bound at a time.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/CallbackTargets.h"
#include "core/SimulatorControl.h"
#include "core/UserInterface.h"
#include "dlldata.h"
#include "platform/DynamicLibrary.h"
#include "platform/FaultGuard.h"
#include "platform/SystemDevices.h"
#include "ports/PortList.h"
#include "ports/PortPermission.h"

namespace veldrix {

class DriverBinding {
public:
    using DeviceScanner = std::function<std::vector<SystemDevice>()>;

    // Every reference must outlive the binding. The port list's selections
    // refresh the window title through the call block's status callback.
    DriverBinding(dlldata& block, UserInterface& ui, CallbackTargets& targets, PortList& ports,
                  PortPermission& permission, DeviceScanner scanDevices);
    DriverBinding(const DriverBinding&) = delete;
    DriverBinding& operator=(const DriverBinding&) = delete;

    // Frees the driver bound so far, loads `path`, looks up its exports,
    // writes ecrSetting into its ecr (or the program's own copy), rebuilds the
    // port list, makes the driver's initial port reachable and runs its init.
    // A library that cannot be loaded or lacks a required export is reported
    // by message box and gives false; what init answers does not matter.
    // start_drv is cleared for a family that uses no ports.
    bool bind(const std::string& path, HardwareFamily& family, std::uint8_t ecrSetting,
              std::int32_t& start_drv);

    // Empties the port list and frees the driver and, through the module
    // releaser, the loaded module. The call block's bdport and voltage
    // tables become null.
    void unbind();

    // Frees the loaded module's library (and clears the call block's hmodule).
    void setModuleReleaser(std::function<void()> release) { releaseModule_ = std::move(release); }

    // Selects a port from the list (see PortList::select) and asks for port
    // permission for it on the calling thread. When neither port instructions
    // nor the device node can reach the port, a status message says what the
    // user needs. Returns the port's address.
    std::uint16_t selectPort(std::string_view label, HardwareFamily& family);

    // The bound driver's init once more, guarded as at binding, on the port
    // now in its portadr: its answer, or nothing when it faulted (initFault()
    // then says how) or no complete driver is bound.
    std::optional<std::uint32_t> runInit();

    // The voltages through the call block's voltage callback, guarded as
    // the modules' calls are: the fault that ended the driver's voltage, None
    // when it returned; nothing when no driver's voltage could be reached.
    std::optional<platform::FaultKind> applyVoltages(std::uint32_t vcc, std::uint32_t vpp,
                                                     std::uint32_t vid);

    // Builds the port list anew from the system's devices, for the kinds of
    // `portmask`; the head becomes current until a port is selected again.
    void enumeratePorts(std::uint16_t portmask);

    // The driver's portadr, or the program's private word when the driver
    // has none or nothing is bound; never null.
    [[nodiscard]] std::uint16_t* portAddressWord() noexcept { return portWord_; }
    // The driver's ecr, or the program's own copy of the ECR setting.
    [[nodiscard]] std::uint8_t* ecrByte() noexcept { return ecr_; }
    // A library with every required export is bound.
    [[nodiscard]] bool bound() const noexcept { return library_.loaded() && complete_; }
    // How the bound driver's last init (at binding or from runInit) ended:
    // None when it returned (whatever it answered) or did not run, else the
    // fault that ended it.
    [[nodiscard]] platform::FaultKind initFault() const noexcept { return initFault_; }
    // The bound driver's simulated board; null unless it exports one.
    [[nodiscard]] const SimulatorControl* simulator() const noexcept {
        return simulator_ ? &*simulator_ : nullptr;
    }

private:
    dlldata& block_;
    UserInterface& ui_;
    CallbackTargets& targets_;
    PortList& ports_;
    PortPermission& permission_;
    DeviceScanner scanDevices_;
    std::function<void()> releaseModule_;

    platform::DynamicLibrary library_;
    dd_driver_init_fn init_ = nullptr;
    bool complete_ = false;
    std::uint16_t privatePortWord_ = 0;
    std::uint8_t ownEcr_ = 0;
    std::uint16_t* portWord_ = &privatePortWord_;
    std::uint8_t* ecr_ = &ownEcr_;
    std::optional<SimulatorControl> simulator_;
    platform::FaultKind initFault_ = platform::FaultKind::None;
};

}  // namespace veldrix
