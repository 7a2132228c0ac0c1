#pragma once
// The cells of a chip, with the faults injected into them. Sizes are powers
// of two; addresses wrap at the size, so no access leaves the cells.

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "ReadFaults.h"

namespace veldrix::sim {

class ChipMemory {
public:
    // Erased: every byte 0xFF.
    explicit ChipMemory(std::uint32_t size);

    [[nodiscard]] std::uint32_t size() const noexcept {
        return static_cast<std::uint32_t>(cells_.size());
    }
    [[nodiscard]] std::uint32_t wrap(std::uint32_t address) const noexcept {
        return address & mask_;
    }

    // The byte as the chip answers it: stuck bits and read faults show.
    [[nodiscard]] std::uint8_t read(std::uint32_t address) const;
    // A programming pulse: bits that are 0 in `data` go to 0, none go to 1. A
    // slow cell ignores pulses until its count is reached.
    void program(std::uint32_t address, std::uint8_t data);
    // A self-timed write that replaces the byte (Microwire).
    void store(std::uint32_t address, std::uint8_t value);
    void eraseAll();

    // The stored cells, faults not applied; writing through here marks the
    // memory changed.
    [[nodiscard]] const std::vector<std::uint8_t>& cells() const noexcept { return cells_; }
    [[nodiscard]] std::vector<std::uint8_t>& changeCells() noexcept {
        changed_ = true;
        return cells_;
    }
    [[nodiscard]] bool changed() const noexcept { return changed_; }
    void markSaved() noexcept { changed_ = false; }

    void addStuckBit(std::uint32_t address, unsigned bit, bool level);
    void addSlowCell(std::uint32_t address, std::uint32_t pulses);
    // The address lines a fault may hold are those below the size.
    [[nodiscard]] ReadFaults& readFaults() noexcept { return readFaults_; }
    void clearFaults() noexcept;

private:
    struct StuckBits {
        std::uint8_t mask = 0;
        std::uint8_t levels = 0;
    };

    std::vector<std::uint8_t> cells_;
    std::uint32_t mask_;
    bool changed_ = false;
    std::unordered_map<std::uint32_t, StuckBits> stuck_;
    std::unordered_map<std::uint32_t, std::uint32_t> pulsesToIgnore_;
    // Reading draws the intermittent line's next level: noise, not state of
    // the cells.
    mutable ReadFaults readFaults_;
};

}  // namespace veldrix::sim
