#pragma once
// calypso's Erase: a timed high-voltage pulse, repeated until three blank
// checks in a row find the chip erased, at most 20 times.

#include <cstdint>

#include "EepromScanner.h"

namespace veldrix::calypso {

class EepromEraser {
public:
    explicit EepromEraser(const EepromBus& bus) : bus_(bus), scanner_(bus) {}

    // 0 when the chip ended blank; otherwise the first non-blank address of
    // the last check (also in erraddr). A chip still programmed at address 0
    // answers kBlankCheckFailed, since 0 would read as success.
    [[nodiscard]] std::int32_t erase() const;

private:
    void erasePulse() const;

    const EepromBus& bus_;
    EepromScanner scanner_;
};

}  // namespace veldrix::calypso
