#include "core/DriverBinding.h"

#include <QCoreApplication>

#include "catalog/CallBlockStatus.h"
#include "core/TextFormat.h"
#include "platform/FaultGuard.h"
#include "platform/IoPermission.h"

namespace veldrix {

namespace {

struct InitCall {
    dd_driver_init_fn init;
    std::uint32_t result;
};

// Runs under the fault guard: nothing here may need unwinding.
void invokeInit(void* context) {
    auto* call = static_cast<InitCall*>(context);
    call->result = call->init();
}

std::string translated(const char* text) {
    return QCoreApplication::translate("DriverBinding", text).toStdString();
}

}  // namespace

DriverBinding::DriverBinding(dlldata& block, UserInterface& ui, CallbackTargets& targets,
                             PortList& ports, PortPermission& permission, DeviceScanner scanDevices)
    : block_(block),
      ui_(ui),
      targets_(targets),
      ports_(ports),
      permission_(permission),
      scanDevices_(std::move(scanDevices)) {
    ports_.setTitleRefresh([this] {
        if (block_.status != nullptr) {
            block_.status(nullptr);
        } else {
            ui_.refreshTitle();
        }
    });
}

bool DriverBinding::bind(const std::string& path, HardwareFamily& family, std::uint8_t ecrSetting,
                         std::int32_t& start_drv) {
    library_.release();
    library_ = platform::DynamicLibrary(path);
    initFault_ = platform::FaultKind::None;

    init_ = library_.function<dd_driver_init_fn>("init");
    block_.bdport = library_.function<dd_bdport_fn>("bdport");
    const auto voltage = library_.function<dd_driver_voltage_fn>("voltage");
    targets_.driverVoltage = voltage;
    block_.hardware = &family;

    auto* portadr = library_.data<std::uint16_t>("portadr");
    portWord_ = portadr != nullptr ? portadr : &privatePortWord_;
    auto* ecr = library_.data<std::uint8_t>("ecr");
    ecr_ = ecr != nullptr ? ecr : &ownEcr_;
    *ecr_ = ecrSetting;

    block_.VccTable = library_.data<std::uint16_t>("VccTable");
    block_.VppTable = library_.data<std::uint16_t>("VppTable");
    block_.VidTable = library_.data<std::uint16_t>("VidTable");
    // GetPorts and pPorts are part of the driver's exports, but the program
    // builds its own port list from the system's devices instead.
    simulator_ = lookUpSimulator(library_);

    enumeratePorts(family.portmask);

    complete_ = init_ != nullptr && block_.bdport != nullptr && voltage != nullptr &&
                block_.VccTable != nullptr && block_.VppTable != nullptr &&
                block_.VidTable != nullptr;
    if (!library_.loaded()) {
        ui_.messageBox(
            DD_MB_OK,
            formatLimited(
                kMessageTextCapacity, "%s %s",
                translated(QT_TRANSLATE_NOOP("DriverBinding", "Can't load driver: ")).c_str(),
                path.c_str()));
        return false;
    }
    if (!complete_) {
        ui_.messageBox(
            DD_MB_OK,
            formatLimited(kMessageTextCapacity, "%s",
                          translated(QT_TRANSLATE_NOOP("DriverBinding", "Wrong Driver")).c_str()));
        return false;
    }

    // Port instructions are refused to every user process here, as on the
    // protected systems the port-access step exists for.
    if (family.portmask != 0) {
        (void)permission_.access(1, *portWord_);
    } else {
        start_drv = 0;
    }
    // A board that fails its presence test is not a binding failure: the
    // user may still choose another port, the simulated board among them.
    (void)runInit();
    return true;
}

std::optional<std::uint32_t> DriverBinding::runInit() {
    if (!bound()) {
        return std::nullopt;
    }
    InitCall call{init_, 0};
    initFault_ = platform::runGuarded(&invokeInit, &call);
    if (initFault_ != platform::FaultKind::None) {
        postStatus(block_, ui_, "init ERR");
        return std::nullopt;
    }
    return call.result;
}

std::optional<platform::FaultKind> DriverBinding::applyVoltages(std::uint32_t vcc,
                                                                std::uint32_t vpp,
                                                                std::uint32_t vid) {
    if (!bound() || block_.voltage == nullptr || targets_.driverVoltage == nullptr) {
        return std::nullopt;
    }
    const std::uint32_t faultsBefore = targets_.driverFaults.count;
    (void)block_.voltage(vcc, vpp, vid);
    return targets_.driverFaults.count != faultsBefore ? targets_.driverFaults.last
                                                       : platform::FaultKind::None;
}

void DriverBinding::unbind() {
    ports_.clear();
    if (library_.loaded()) {
        library_.release();
    }
    if (block_.hmodule != nullptr && releaseModule_) {
        releaseModule_();
    }
    block_.hmodule = nullptr;
    complete_ = false;
    initFault_ = platform::FaultKind::None;
    simulator_.reset();
    // Nothing may reach into a library that is gone: a module loaded later,
    // or one that failed to go with the driver, finds null instead.
    init_ = nullptr;
    targets_.driverVoltage = nullptr;
    block_.bdport = nullptr;
    block_.VccTable = nullptr;
    block_.VppTable = nullptr;
    block_.VidTable = nullptr;
    portWord_ = &privatePortWord_;
    ecr_ = &ownEcr_;
}

void DriverBinding::enumeratePorts(std::uint16_t portmask) {
    ports_.enumerate(portmask, scanDevices_ ? scanDevices_() : std::vector<SystemDevice>{});
}

std::uint16_t DriverBinding::selectPort(std::string_view label, HardwareFamily& family) {
    const std::uint16_t address = ports_.select(label, family, portWord_);
    const PortRecord& chosen = ports_.current();
    const bool physical = chosen.kind == kPortParallel || chosen.kind == kPortSerial;
    if (!physical || ports_.simulatorSelected()) {
        return address;
    }
    // A serial port keeps the driver's own address.
    const std::uint16_t port = chosen.kind == kPortParallel ? address : *portWord_;
    if (permission_.access(1, port) == 0 && !platform::deviceReadWritable(chosen.name)) {
        const std::string text = formatLimited(
            kStatusTextCapacity, "No access to %s (%s): needs group %s or CAP_SYS_RAWIO",
            chosen.label.c_str(), chosen.name.c_str(),
            chosen.kind == kPortParallel ? "lp" : "dialout");
        postStatus(block_, ui_, text);
    }
    return address;
}

}  // namespace veldrix
