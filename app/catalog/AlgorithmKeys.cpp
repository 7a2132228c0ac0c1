#include "catalog/AlgorithmKeys.h"

#include "catalog/CallBlockStatus.h"
#include "catalog/KeyTable.h"

namespace veldrix {

void AlgorithmKeys::SetDefAlg() {
    CfgParamList& params = catalog_.defaultAlgorithm().params;
    params.clear();
    if (block_.keys == nullptr) {
        return;
    }
    for (std::size_t index = 0; index < kMaxKeyTableEntries; ++index) {
        const std::optional<CfgKey> key = readKey(block_.keys, index);
        if (!key) {
            postStatus(block_, kSetDefAlgError);
            return;
        }
        if (key->kind == 0) {
            return;
        }
        params.add(keyName(*key), key->defval);
    }
}

const AlgDef& AlgorithmKeys::selectedAlgorithm() const noexcept {
    const AlgDef* algorithm = catalog_.algorithm(block_.wralg);
    return algorithm != nullptr ? *algorithm : catalog_.defaultAlgorithm();
}

void AlgorithmKeys::ApplyAlgorithm() {
    if (block_.keys == nullptr) {
        return;
    }
    const AlgDef& algorithm = selectedAlgorithm();
    for (std::size_t index = 0; index < kMaxKeyTableEntries; ++index) {
        const std::optional<CfgKey> key = readKey(block_.keys, index);
        if (!key) {
            postStatus(block_, kTableError);
            return;
        }
        if (key->kind == 0) {
            return;
        }
        const std::uint32_t value =
            keyName(*key) == kAlgorithmKeyName ? block_.wralg : ResolveKeyValue(*key, algorithm);
        if (!writeKeyValue(block_.keys, index, value)) {
            postStatus(block_, kResolveError);
            return;
        }
    }
}

std::uint32_t AlgorithmKeys::ResolveKeyValue(const CfgKey& key,
                                             const AlgDef& algorithm) const noexcept {
    const std::string_view name = keyName(key);
    if (const ChipDescription* chip = currentChip()) {
        if (const CfgParam* own = chip->params.find(name)) {
            return own->value;
        }
    }
    if (const CfgParam* shared = algorithm.params.find(name)) {
        return shared->value;
    }
    return key.defval;
}

}  // namespace veldrix
