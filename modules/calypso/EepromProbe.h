#pragma once
// calypso's Read ID and chip-insertion test.

#include <cstdint>

#include "CalypsoResults.h"
#include "EepromBus.h"

namespace veldrix::calypso {

class EepromProbe {
public:
    explicit EepromProbe(const EepromBus& bus) : bus_(bus) {}

    // Maker code × 256 + device code into errdata; 0 without an
    // identification voltage, and then the board is not touched.
    [[nodiscard]] std::int32_t readId() const;
    // Only with the "Test chip insertion" option; tells the user when the
    // data lines do not answer like a chip.
    [[nodiscard]] std::int32_t testInsertion() const;

private:
    const EepromBus& bus_;
};

}  // namespace veldrix::calypso
