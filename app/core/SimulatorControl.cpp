#include "core/SimulatorControl.h"

namespace veldrix {

namespace {

template <class Fn>
bool lookUp(const platform::DynamicLibrary& driver, const char* name, Fn& into) {
    into = driver.function<Fn>(name);
    return into != nullptr;
}

}  // namespace

std::optional<SimulatorControl> lookUpSimulator(const platform::DynamicLibrary& driver) {
    SimulatorControl c{};
    const bool complete =
        lookUp(driver, "vxsim_insert", c.insert) &&
        lookUp(driver, "vxsim_insert_for_module", c.insertForModule) &&
        lookUp(driver, "vxsim_remove", c.remove) && lookUp(driver, "vxsim_chip_kind", c.chipKind) &&
        lookUp(driver, "vxsim_chip_size", c.chipSize) && lookUp(driver, "vxsim_read", c.read) &&
        lookUp(driver, "vxsim_write", c.write) && lookUp(driver, "vxsim_save", c.save) &&
        lookUp(driver, "vxsim_set_identifier", c.setIdentifier) &&
        lookUp(driver, "vxsim_fault_stuck_bit", c.faultStuckBit) &&
        lookUp(driver, "vxsim_fault_slow_cell", c.faultSlowCell) &&
        lookUp(driver, "vxsim_fault_write_time", c.faultWriteTime) &&
        lookUp(driver, "vxsim_fault_data_line", c.faultDataLine) &&
        lookUp(driver, "vxsim_fault_address_line", c.faultAddressLine) &&
        lookUp(driver, "vxsim_fault_intermittent_bit", c.faultIntermittentBit) &&
        lookUp(driver, "vxsim_fault_board_absent", c.faultBoardAbsent) &&
        lookUp(driver, "vxsim_fault_status_line", c.faultStatusLine) &&
        lookUp(driver, "vxsim_clear_faults", c.clearFaults) &&
        lookUp(driver, "vxsim_clock_manual", c.clockManual) &&
        lookUp(driver, "vxsim_clock_advance", c.clockAdvance) &&
        lookUp(driver, "vxsim_trace_open", c.traceOpen) &&
        lookUp(driver, "vxsim_trace_close", c.traceClose);
    if (!complete) {
        return std::nullopt;
    }
    return c;
}

}  // namespace veldrix
