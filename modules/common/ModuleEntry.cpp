#include "ModuleEntry.h"

#include "BoardLatches.h"
#include "ModuleDispatch.h"

namespace veldrix::module {
namespace {

// Puts the board back to idle after an abandoned operation; a callback that
// throws again is ignored, the result is already a failure.
void abandon(dlldata& block) noexcept {
    try {
        if (block.bdport) {
            block.bdport(board::kResetWord);
        }
        if (block.progress) {
            block.progress(0, DD_PROGRESS_CLOSE);
        }
    } catch (...) {
    }
}

}  // namespace

std::int32_t runModuleEntry(dlldata* block, const ModuleDescription& module) noexcept {
    if (block == nullptr) {
        return DD_NOT_IMPLEMENTED;
    }
    try {
        return dispatch(module, *block);
    } catch (...) {
        abandon(*block);
        return kHostFault;
    }
}

}  // namespace veldrix::module
