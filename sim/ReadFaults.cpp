#include "ReadFaults.h"

namespace veldrix::sim {

namespace {

template <class Bits>
void holdBit(Bits& mask, Bits& levels, unsigned bit, bool level) noexcept {
    const auto line = static_cast<Bits>(Bits{1} << bit);
    mask = static_cast<Bits>(mask | line);
    levels = static_cast<Bits>(level ? levels | line : levels & ~line);
}

}  // namespace

void ReadFaults::holdDataLine(unsigned bit, bool level) noexcept {
    holdBit<std::uint8_t>(dataMask_, dataLevels_, bit & 7u, level);
    active_ = true;
}

void ReadFaults::holdAddressLine(unsigned bit, bool level) noexcept {
    holdBit<std::uint32_t>(addressMask_, addressLevels_, bit & 31u, level);
    active_ = true;
}

void ReadFaults::makeIntermittent(unsigned bit, std::uint32_t seed) noexcept {
    intermittentMask_ = static_cast<std::uint8_t>(1u << (bit & 7u));
    randomState_ = seed;
    active_ = true;
}

std::uint8_t ReadFaults::data(std::uint8_t value) noexcept {
    auto lines = static_cast<std::uint8_t>((value & ~dataMask_) | dataLevels_);
    if (intermittentMask_ != 0) {
        lines = static_cast<std::uint8_t>(nextRandomLevel() ? lines | intermittentMask_
                                                            : lines & ~intermittentMask_);
    }
    return lines;
}

// A 32-bit mix of a counter (the finaliser of MurmurHash3): every seed,
// 0 included, gives a well-spread sequence.
bool ReadFaults::nextRandomLevel() noexcept {
    randomState_ += 0x9E3779B9u;
    std::uint32_t z = randomState_;
    z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
    z = (z ^ (z >> 13)) * 0xC2B2AE35u;
    z ^= z >> 16;
    return (z & 0x80000000u) != 0;
}

}  // namespace veldrix::sim
