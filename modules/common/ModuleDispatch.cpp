#include "ModuleDispatch.h"

namespace veldrix::module {
namespace {

// Erased cells of every family this frame serves read 0xFF.
constexpr std::uint32_t kErasedCell = 0xFF;
// The first interface level at which the program clears the flags after
// identify, so that only chip selection can set them.
constexpr std::uint8_t kFlagsPerChipVersion = 7;

std::int32_t identify(const ModuleDescription& module, dlldata& block) {
    if (module.identifiedBlock != nullptr) {
        *module.identifiedBlock = &block;
    }
    block.blank = kErasedCell;
    block.about = module.about;
    block.version = module.version;
    block.keys = module.keys;
    if (module.version < kFlagsPerChipVersion) {
        publishCapabilities(module, block);
    }
    return DD_OK;
}

std::int32_t selectChip(const ModuleDescription& module, dlldata& block) {
    const std::int32_t result = module.select(block);
    if (result == DD_OK && module.version >= kFlagsPerChipVersion) {
        publishCapabilities(module, block);
    }
    return result;
}

}  // namespace

std::int32_t dispatch(const ModuleDescription& module, dlldata& passed) {
    const std::uint16_t code = passed.funcode;
    if (code == DD_FN_IDENTIFY) {
        return identify(module, passed);
    }
    const FunctionRow* row = findFunction(module, code);
    if (code != DD_FN_SELECT && row == nullptr) {
        return DD_NOT_IMPLEMENTED;
    }
    dlldata* block = module.identifiedBlock != nullptr ? *module.identifiedBlock : &passed;
    if (block == nullptr) {
        return DD_NO_MATCHING_CHIP;
    }
    if (code == DD_FN_SELECT) {
        return selectChip(module, *block);
    }
    const ModuleHost host(*block);
    const bool selected = module.chipSelected == nullptr || module.chipSelected();
    if (!selected || !host.complete()) {
        return DD_NO_MATCHING_CHIP;
    }
    return row->run(host);
}

}  // namespace veldrix::module
