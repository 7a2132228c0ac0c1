#pragma once
// A choice that was not stored would leave the next command working on the
// old one, so a run whose settings could not be saved does not end as a
// success.

#include <optional>

#include "CommandOutput.h"
#include "ExitCode.h"
#include "core/SettingsStore.h"

namespace veldrix::cli {

// `code` when the settings were saved. Otherwise the user is told, and a
// command that succeeded ends with the file error; one that failed keeps
// its own status, which says more about the chip.
[[nodiscard]] ExitCode exitAfterSavingSettings(ExitCode code,
                                               const std::optional<SettingsWriteFailure>& failure,
                                               CommandOutput& output);

}  // namespace veldrix::cli
