#pragma once
// Permission for a range of port addresses, held while the object lives and
// handed back when it goes.

#include <cstdint>

#include "PortInstructions.h"

namespace veldrix::portio {

class PortGrant {
public:
    // Asks for the range (an empty one is not asked for); held() tells
    // whether the system granted it.
    PortGrant(PortInstructions& instructions, std::uint16_t first, std::uint16_t count)
        : instructions_(instructions),
          first_(first),
          count_(count),
          held_(count != 0 && instructions.grant(first, count)) {}
    ~PortGrant() {
        if (held_) {
            instructions_.revoke(first_, count_);
        }
    }
    PortGrant(const PortGrant&) = delete;
    PortGrant& operator=(const PortGrant&) = delete;

    [[nodiscard]] bool held() const noexcept { return held_; }
    [[nodiscard]] bool covers(std::uint16_t address) const noexcept {
        return held_ && static_cast<std::uint16_t>(address - first_) < count_;
    }

private:
    PortInstructions& instructions_;
    std::uint16_t first_;
    std::uint16_t count_;
    bool held_;
};

}  // namespace veldrix::portio
