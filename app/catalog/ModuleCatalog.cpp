#include "catalog/ModuleCatalog.h"

namespace veldrix {

void ModuleCatalog::clear() noexcept {
    chips_.clear();
    algorithms_.clear();
}

ChipDescription& ModuleCatalog::addChip() {
    return chips_.emplace_back();
}

AlgDef& ModuleCatalog::addAlgorithm() {
    return algorithms_.emplace_back();
}

const ChipDescription* ModuleCatalog::chip(std::size_t number) const noexcept {
    if (number == 0 || number > chips_.size()) {
        return nullptr;
    }
    return &chips_[number - 1];
}

const AlgDef* ModuleCatalog::algorithm(std::size_t number) const noexcept {
    if (number == kDefaultAlgorithmNumber) {
        return &defaultAlgorithm_;
    }
    if (number == 0 || number > algorithms_.size()) {
        return nullptr;
    }
    return &algorithms_[number - 1];
}

}  // namespace veldrix
