#pragma once
// calypso's operations that only read the chip: Read, Compare, Blank check,
// and the quiet blank pass that Erase repeats.

#include <cstdint>

#include "CalypsoResults.h"
#include "EepromBus.h"

namespace veldrix::calypso {

class EepromScanner {
public:
    explicit EepromScanner(const EepromBus& bus) : bus_(bus) {}

    [[nodiscard]] std::int32_t read() const;
    [[nodiscard]] std::int32_t compare() const;
    [[nodiscard]] std::int32_t blankCheck() const;
    // A whole blank check without progress reports, ending with the driver
    // reset. False when a byte is not 0xFF; erraddr then holds its address.
    [[nodiscard]] bool blankPass() const;

private:
    // Calls visit(address) for every chip address, reporting progress
    // 64 times over the chip; stops early when the user asks to or when
    // visit returns false. False when visit stopped the walk.
    template <class Visit>
    bool walkChip(Visit visit) const;

    const EepromBus& bus_;
};

}  // namespace veldrix::calypso
