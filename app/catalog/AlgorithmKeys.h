#pragma once
// Gives the module's configuration keys their values: the current chip's own
// parameter first, then the selected algorithm definition's, then the key's
// default. "WrAlg" gets the algorithm number itself.

#include <cstddef>
#include <cstdint>

#include "catalog/AlgDef.h"
#include "catalog/ChipDescription.h"
#include "catalog/ModuleCatalog.h"
#include "dlldata.h"

namespace veldrix {

class AlgorithmKeys {
public:
    static constexpr const char* kSetDefAlgError = "SetDefAlg ERR";
    static constexpr const char* kTableError = "cfgkey not define";
    static constexpr const char* kResolveError = "algorytms not define";

    AlgorithmKeys(dlldata& block, ModuleCatalog& catalog) noexcept
        : block_(block), catalog_(catalog) {}

    // The chip whose parameters come first: chip `number` of the catalogue,
    // 0 for none. Kept as a number, not a pointer, because the catalogue may
    // be cleared or re-read at any time; a number the catalogue no longer
    // has names no chip.
    void setCurrentChip(std::size_t number) noexcept { chipNumber_ = number; }
    [[nodiscard]] const ChipDescription* currentChip() const noexcept {
        return catalog_.chip(chipNumber_);
    }

    // Rebuilds the default algorithm: one parameter per key with its default.
    void SetDefAlg();

    // Writes every key's value for the algorithm numbered `wralg` (the
    // default algorithm when the number names no definition).
    void ApplyAlgorithm();

    [[nodiscard]] std::uint32_t ResolveKeyValue(const CfgKey& key,
                                                const AlgDef& algorithm) const noexcept;

    // The definition numbered `wralg`, or the default algorithm.
    [[nodiscard]] const AlgDef& selectedAlgorithm() const noexcept;

private:
    dlldata& block_;
    ModuleCatalog& catalog_;
    std::size_t chipNumber_ = 0;
};

}  // namespace veldrix
