#pragma once
// The call block's callbacks are plain C functions without a context
// argument, so they reach the program's objects through one binding.

#include "core/DriverFaultLog.h"
#include "dlldata.h"

namespace veldrix {

class DataBuffer;
class ProgressService;
class StatusService;
class UserInterface;

struct CallbackTargets {
    UserInterface* ui = nullptr;
    ProgressService* progress = nullptr;
    DataBuffer* buffer = nullptr;                  // null: the callbacks act as on an empty image
    dd_driver_voltage_fn driverVoltage = nullptr;  // the bound driver's export, null when none
    // Status messages go through its pending slot and thread when bound;
    // without it they reach the user interface at once.
    StatusService* status = nullptr;
    // Faults of driverVoltage caught by the voltage callback.
    DriverFaultLog driverFaults{};
};

// Stores the program's callbacks into `block` (delay, status, msgbox, spare,
// getbyte, getpage, mark, putbyte, voltage, progress) and binds them to
// `targets`, which must outlive every later callback. bdport and the voltage
// tables come from the driver binding. An exception thrown behind a callback
// never reaches the module: it is reported through the status line and the
// callback gives its failure answer (a progress window that throws answers
// "cancel", so the module stops instead of running on unwatched).
void fillCallBlockCallbacks(dlldata& block, CallbackTargets& targets) noexcept;

}  // namespace veldrix
