#include "SimulatedRig.h"

#include <QByteArray>
#include <QtGlobal>

namespace veldrix::test {

SimulatedRig& SimulatedRig::instance() {
    static SimulatedRig rig;
    return rig;
}

template <class T>
T SimulatedRig::lookup(const char* name) {
    auto* found = driver_.function<T>(name);
    if (found == nullptr && problem_.empty()) {
        problem_ = std::string("the driver does not export ") + name;
    }
    return found;
}

SimulatedRig::SimulatedRig() {
    // Before the driver's board first looks for its contents files.
    qputenv("VELDRIX_SIM_DIR", QByteArray(dataDir_.path().c_str()));
    // An empty image makes a freshly inserted chip erased, whatever an
    // earlier test left in the contents file of its kind and size.
    emptyImage_ = dataDir_.write("empty.bin", "");

    driver_ = platform::DynamicLibrary(VELDRIX_TEST_DRIVER_PATH);
    if (!driver_.loaded()) {
        problem_ = driver_.error();
        return;
    }
    const auto init = lookup<dd_driver_init_fn>("init");
    bdport_ = lookup<dd_bdport_fn>("bdport");
    voltage_ = lookup<dd_driver_voltage_fn>("voltage");
    insert_ = lookup<vxsim_insert_for_module_fn>("vxsim_insert_for_module");
    remove_ = lookup<vxsim_void_fn>("vxsim_remove");
    chipSize_ = lookup<vxsim_chip_size_fn>("vxsim_chip_size");
    read_ = lookup<vxsim_read_fn>("vxsim_read");
    write_ = lookup<vxsim_write_fn>("vxsim_write");
    stuckBit_ = lookup<vxsim_fault_stuck_bit_fn>("vxsim_fault_stuck_bit");
    slowCell_ = lookup<vxsim_fault_slow_cell_fn>("vxsim_fault_slow_cell");
    writeTime_ = lookup<vxsim_fault_write_time_fn>("vxsim_fault_write_time");
    clockAdvance_ = lookup<vxsim_clock_advance_fn>("vxsim_clock_advance");
    const auto clockManual = lookup<vxsim_clock_manual_fn>("vxsim_clock_manual");
    auto* portadr = driver_.data<std::uint16_t>("portadr");
    if (portadr == nullptr && problem_.empty()) {
        problem_ = "the driver does not export portadr";
    }
    if (!problem_.empty()) {
        return;
    }
    clockManual(1);
    *portadr = VXSIM_BASE_ADDRESS;
    if (const std::uint32_t answer = init(); answer != 0) {
        problem_ = "init found no board: " + std::to_string(answer);
    }
}

int SimulatedRig::insertErased(const std::string& module, std::uint32_t size) const {
    return insert_(module.c_str(), size, emptyImage_.c_str());
}

std::vector<std::uint8_t> SimulatedRig::contents() const {
    std::vector<std::uint8_t> bytes(chipSize_());
    if (read_(0, bytes.data(), static_cast<std::uint32_t>(bytes.size())) != VXSIM_OK) {
        bytes.clear();
    }
    return bytes;
}

int SimulatedRig::store(std::uint32_t address, const std::vector<std::uint8_t>& bytes) const {
    return write_(address, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

void SimulatedRig::attach(RecordingCallBlock& host) const {
    host.block.bdport = bdport_;
    host.recordBusAndDelays = false;
    host.onDelay = clockAdvance_;
    host.onVoltage = [voltage = voltage_](std::uint32_t vcc, std::uint32_t vpp, std::uint32_t vid) {
        return static_cast<std::uint16_t>(voltage(static_cast<std::int32_t>(vcc),
                                                  static_cast<std::int32_t>(vpp),
                                                  static_cast<std::int32_t>(vid)));
    };
}

}  // namespace veldrix::test
