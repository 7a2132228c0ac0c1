#include "ModuleEntry.h"

#include "BoardWord.h"
#include "FunctionCode.h"

namespace veldrix::module {
namespace {

// Puts the board back to idle after an abandoned operation; a callback that
// throws again is ignored, the result is already a failure.
void abandon(dlldata& block) noexcept {
    try {
        if (block.bdport) {
            block.bdport(kResetBoard);
        }
        if (block.progress) {
            block.progress(0, DD_PROGRESS_CLOSE);
        }
    } catch (...) {
    }
}

}  // namespace

std::int32_t runModuleEntry(dlldata* block, Dispatcher dispatch) noexcept {
    if (block == nullptr) {
        return kNotImplemented;
    }
    try {
        return dispatch(*block);
    } catch (...) {
        abandon(*block);
        return kHostFault;
    }
}

}  // namespace veldrix::module
