#include "catalog/CfgParamList.h"

namespace veldrix {

void CfgParamList::add(std::string_view name, std::uint32_t value) {
    CfgParam& param = params_.emplace_back();
    param.name.assign(name);
    param.value = value;
}

const CfgParam* CfgParamList::find(std::string_view name) const noexcept {
    for (auto it = params_.rbegin(); it != params_.rend(); ++it) {
        if (it->name == name) {
            return &*it;
        }
    }
    return nullptr;
}

}  // namespace veldrix
