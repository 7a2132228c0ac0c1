#pragma once
// Chip against expected image, as a value: every differing address counted,
// the first ones listed with both bytes, which bits went wrong in which
// direction, and the fault the differences point to, if any.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "buffer/FaultDiagnosis.h"

namespace veldrix {

struct ByteDifference {
    std::size_t address;
    std::uint8_t chip;
    std::uint8_t expected;

    friend bool operator==(const ByteDifference&, const ByteDifference&) = default;
};

// Of the differing bytes, how many have one data bit wrong each way.
struct BitDifferences {
    std::size_t readZeroForOne = 0;
    std::size_t readOneForZero = 0;

    friend bool operator==(const BitDifferences&, const BitDifferences&) = default;
};

// Differences of a compare, and unstable addresses of a verified read, that
// front ends list unless the user asks for another number.
inline constexpr std::size_t kDefaultListedDifferences = 16;

struct CompareReport {
    std::size_t count = 0;                 // every differing address
    std::vector<ByteDifference> listed;    // the first ones, in address order
    std::array<BitDifferences, 8> bits{};  // by data bit, D0 first
    std::optional<Diagnosis> diagnosis;
};

// Compares the common length of both images and lists the first `maxListed`
// differences, or all of them for 0.
[[nodiscard]] CompareReport compareImages(std::span<const std::uint8_t> chip,
                                          std::span<const std::uint8_t> expected,
                                          std::size_t maxListed);

}  // namespace veldrix
