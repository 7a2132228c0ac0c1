#include "SettingsSaveExit.h"

namespace veldrix::cli {

ExitCode exitAfterSavingSettings(ExitCode code, const std::optional<SettingsWriteFailure>& failure,
                                 CommandOutput& output) {
    if (!failure) {
        return code;
    }
    const std::string text = settingsWriteFailureText(*failure);
    if (code == ExitCode::Success) {
        return output.fail(ExitCode::FileError, text);
    }
    output.warn(text);
    return code;
}

}  // namespace veldrix::cli
