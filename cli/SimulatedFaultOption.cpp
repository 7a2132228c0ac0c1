#include "SimulatedFaultOption.h"

#include "core/Application.h"
#include "core/SimulatedFault.h"
#include "core/SimulatorControl.h"

namespace veldrix::cli {

ExitCode injectAskedFault(Application& app, const CliOptions& options, CommandOutput& output) {
    if (!options.simFault) {
        return ExitCode::Success;
    }
    const SimulatorControl* simulator = app.driver().simulator();
    if (simulator == nullptr || !app.ports().simulatorSelected()) {
        return output.fail(ExitCode::Usage, "--sim-fault needs the SIM port");
    }
    switch (injectSimulatedFault(*simulator, *options.simFault)) {
        case VXSIM_OK:
            return ExitCode::Success;
        case VXSIM_ERR_EMPTY:
            return output.fail(ExitCode::Usage, "--sim-fault: the simulated socket is empty");
        case VXSIM_ERR_RANGE:
            return output.fail(ExitCode::Usage,
                               "--sim-fault: the simulated chip has no such cell or line");
        default:
            return output.fail(ExitCode::Usage,
                               "--sim-fault: the simulated board cannot take this fault");
    }
}

}  // namespace veldrix::cli
