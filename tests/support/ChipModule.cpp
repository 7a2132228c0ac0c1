#include "ChipModule.h"

#include <cstring>
#include <map>
#include <memory>

namespace veldrix::test {

ChipModule& ChipModule::at(const std::string& path) {
    static std::map<std::string, std::unique_ptr<ChipModule>> modules;
    auto& slot = modules[path];
    if (!slot) {
        slot.reset(new ChipModule(path));
    }
    return *slot;
}

ChipModule::ChipModule(const std::string& path) : library_(path) {
    entry_ = library_.function<dd_entry_fn>("dmain");
    if (entry_ == nullptr) {
        return;
    }
    // A first identify on a block that outlives every test publishes the
    // table with the module's own initial numbers.
    static dlldata scratch{};
    identify(scratch);
    keys_ = scratch.keys;
    for (const CfgKey* k = keys_; k != nullptr && k->kind != 0; ++k) {
        initial_.push_back(k->value);
    }
}

std::int32_t ChipModule::call(dlldata& block, std::uint16_t code) const {
    block.funcode = code;
    block.subfcode = 0;
    return entry_(&block);
}

std::int32_t ChipModule::identify(dlldata& block) const {
    block.eeplen = block.eepofs = block.extlen = block.extofs = 0;
    std::memset(block.funcs, 0, sizeof block.funcs);
    block.keys = nullptr;
    block.about = nullptr;
    const std::int32_t result = call(block, DD_FN_IDENTIFY);
    if (block.version > 6) {
        std::memset(block.funcs, 0, sizeof block.funcs);
    }
    return result;
}

std::int32_t ChipModule::select(dlldata& block, std::uint32_t size) const {
    if (block.version > 6) {
        std::memset(block.funcs, 0, sizeof block.funcs);
    }
    block.size = size;
    block.blank = 0xFF;
    block.page = 0;
    return call(block, DD_FN_SELECT);
}

CfgKey* ChipModule::key(const char* name) const {
    for (CfgKey* k = keys_; k != nullptr && k->kind != 0; ++k) {
        if (std::strncmp(k->name, name, sizeof k->name) == 0) {
            return k;
        }
    }
    return nullptr;
}

void ChipModule::restoreInitialValues() const {
    for (std::size_t i = 0; i < initial_.size(); ++i) {
        keys_[i].value = initial_[i];
    }
}

}  // namespace veldrix::test
