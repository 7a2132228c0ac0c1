#pragma once
// The simulated board's C interface as a bound driver exports it: each driver
// library carries its own board, so the program reaches the socket through
// the driver it has bound.

#include <optional>

#include "platform/DynamicLibrary.h"
#include "vxsim.h"

namespace veldrix {

struct SimulatorControl {
    vxsim_insert_fn insert;
    vxsim_insert_for_module_fn insertForModule;
    vxsim_void_fn remove;
    vxsim_void_fn chipKind;
    vxsim_chip_size_fn chipSize;
    vxsim_read_fn read;
    vxsim_write_fn write;
    vxsim_void_fn save;
    vxsim_set_identifier_fn setIdentifier;
    vxsim_fault_stuck_bit_fn faultStuckBit;
    vxsim_fault_slow_cell_fn faultSlowCell;
    vxsim_fault_write_time_fn faultWriteTime;
    vxsim_fault_line_fn faultDataLine;
    vxsim_fault_line_fn faultAddressLine;
    vxsim_fault_intermittent_bit_fn faultIntermittentBit;
    vxsim_void_fn faultBoardAbsent;
    vxsim_fault_line_fn faultStatusLine;
    vxsim_void_fn clearFaults;
    vxsim_clock_manual_fn clockManual;
    vxsim_clock_advance_fn clockAdvance;
    vxsim_trace_open_fn traceOpen;
    vxsim_void_fn traceClose;
};

// The functions looked up in `driver`; nullopt unless it exports all of them.
[[nodiscard]] std::optional<SimulatorControl> lookUpSimulator(
    const platform::DynamicLibrary& driver);

}  // namespace veldrix
