#pragma once
// Faults in what a chip answers when it is read, not in its cells: data
// lines held at a level, address lines held at a level (so the two halves
// of the chip that differ in that line answer alike), and one data line that
// reads a random level on every read, as a loose contact does. The random
// levels come from a seeded generator, so a run repeats.

#include <cstdint>

namespace veldrix::sim {

class ReadFaults {
public:
    void holdDataLine(unsigned bit, bool level) noexcept;
    void holdAddressLine(unsigned bit, bool level) noexcept;
    // One intermittent line at a time: a second call replaces the first.
    void makeIntermittent(unsigned bit, std::uint32_t seed) noexcept;
    void clear() noexcept { *this = ReadFaults{}; }

    [[nodiscard]] bool any() const noexcept { return active_; }
    // The cell that answers when `address` is asked for.
    [[nodiscard]] std::uint32_t address(std::uint32_t asked) const noexcept {
        return (asked & ~addressMask_) | addressLevels_;
    }
    // What the data lines carry when the cell holds `value`; every call
    // draws the intermittent line's next level.
    [[nodiscard]] std::uint8_t data(std::uint8_t value) noexcept;

private:
    [[nodiscard]] bool nextRandomLevel() noexcept;

    std::uint32_t addressMask_ = 0;
    std::uint32_t addressLevels_ = 0;
    std::uint8_t dataMask_ = 0;
    std::uint8_t dataLevels_ = 0;
    std::uint8_t intermittentMask_ = 0;
    std::uint32_t randomState_ = 0;
    bool active_ = false;
};

}  // namespace veldrix::sim
