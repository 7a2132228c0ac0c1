#include "ModuleDescription.h"

namespace veldrix::module {

const FunctionRow* findFunction(const ModuleDescription& module, std::uint16_t code) noexcept {
    for (const FunctionRow& row : module.functions) {
        if (row.code == code) {
            return &row;
        }
    }
    return nullptr;
}

void publishCapabilities(const ModuleDescription& module, dlldata& block) noexcept {
    for (std::uint16_t& flag : block.funcs) {
        flag = 0;
    }
    block.funcs[DD_FN_SELECT] = 1;
    for (const FunctionRow& row : module.functions) {
        block.funcs[row.code] = row.offer.flag();
    }
}

}  // namespace veldrix::module
