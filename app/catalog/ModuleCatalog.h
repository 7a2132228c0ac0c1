#pragma once
// What the current module's configuration file describes: its chips and its
// algorithm definitions, numbered from 1 in file order, plus the built-in
// default algorithm, which outlives every file.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "catalog/AlgDef.h"
#include "catalog/ChipDescription.h"

namespace veldrix {

class ModuleCatalog {
public:
    // The algorithm number that names the default algorithm.
    static constexpr unsigned kDefaultAlgorithmNumber = 255;

    // Drops every chip and algorithm definition of the last file. The
    // default algorithm keeps its parameters.
    void clear() noexcept;

    // New records with the defaults of a chip or algorithm description, at
    // the end of their list. The reference holds until the next add or clear.
    ChipDescription& addChip();
    AlgDef& addAlgorithm();

    [[nodiscard]] std::size_t chipCount() const noexcept { return chips_.size(); }
    [[nodiscard]] std::size_t algorithmCount() const noexcept { return algorithms_.size(); }

    // Chip `number` (1 to chipCount()); null for any other number. The
    // record stays put until the next clear().
    [[nodiscard]] const ChipDescription* chip(std::size_t number) const noexcept;
    // Algorithm definition `number` (1 to algorithmCount()), the default
    // algorithm for 255, null for any other number.
    [[nodiscard]] const AlgDef* algorithm(std::size_t number) const noexcept;

    // Empty name; its parameters are rebuilt from the module's key table.
    [[nodiscard]] AlgDef& defaultAlgorithm() noexcept { return defaultAlgorithm_; }
    [[nodiscard]] const AlgDef& defaultAlgorithm() const noexcept { return defaultAlgorithm_; }

private:
    std::vector<ChipDescription> chips_;
    std::vector<AlgDef> algorithms_;
    AlgDef defaultAlgorithm_;
};

}  // namespace veldrix
