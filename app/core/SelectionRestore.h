#pragma once
// What restoring a family's remembered port, module and chip came to, as a
// value. The program restores silently and shows what it took (a name that
// is gone gives way to the first one); a front end that must not act on a
// stand-in decides from this which names were found as asked.

#include <string>

namespace veldrix {

// One remembered name: the one asked for and the one taken.
struct RestoredChoice {
    std::string asked;  // empty when nothing was remembered or given
    std::string taken;  // empty when nothing could be taken

    [[nodiscard]] bool exact() const noexcept { return asked == taken; }
};

struct SelectionRestore {
    RestoredChoice port;    // by label
    RestoredChoice module;  // by name in the family's module directory
    RestoredChoice chip;    // by name in the taken module's configuration file

    [[nodiscard]] bool exact() const noexcept {
        return port.exact() && module.exact() && chip.exact();
    }
};

}  // namespace veldrix
