#include "core/SimulatedSocket.h"

#include <string>

namespace veldrix {

int SimulatedSocket::follow(std::string_view moduleName, std::uint32_t chipSize) {
    const SimulatorControl* board = binding_.simulator();
    if (board == nullptr || !ports_.simulatorSelected()) {
        return VXSIM_OK;
    }
    const std::string module(moduleName);
    const int result = board->insertForModule(module.c_str(), chipSize, nullptr);
    if (result != VXSIM_OK) {
        // Operations would otherwise run on the chip selected before.
        (void)board->remove();
    }
    return result;
}

}  // namespace veldrix
