#pragma once
// The remembered port, module and chip that the engine could not restore as
// asked, phrased for the user: a command that touches the chip refuses to
// work on whatever stood in for them, a listing goes on and says so.

#include <string>
#include <vector>

#include "core/SelectionRestore.h"

namespace veldrix::cli {

enum class ChoicePart { Port, Module, Chip };

struct UnrestoredChoice {
    ChoicePart part;
    // What is missing: "no port chosen", "the remembered chip 'X' is not in
    // module 'Y'", ...
    std::string missing;
    // The options that choose it anew.
    std::string options;
    // What the engine took in its place; empty when nothing.
    std::string standIn;
    // Nothing was remembered: the engine took a first entry by default.
    bool nothingRemembered = false;
};

// In the order port, module, chip. A chip is not looked at when its module
// was not restored: the chip taken belongs to another module.
// `moduleDirectory` is where the family's modules were looked for.
[[nodiscard]] std::vector<UnrestoredChoice> unrestoredChoices(const SelectionRestore& restore,
                                                              const std::string& moduleDirectory);

}  // namespace veldrix::cli
