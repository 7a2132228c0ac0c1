#pragma once
// Several reads of the same chip side by side: the addresses where they do
// not agree, with what each read gave there.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace veldrix {

struct UnstableByte {
    std::size_t address;
    std::vector<std::uint8_t> values;  // one per read, in the order of the reads

    friend bool operator==(const UnstableByte&, const UnstableByte&) = default;
};

struct ReadComparison {
    std::size_t count = 0;             // every address where the reads differ
    std::vector<UnstableByte> listed;  // the first ones, in address order
};

// Compares the common length of the reads and lists the first `maxListed`
// unstable addresses, or all of them for 0. Fewer than two reads agree.
[[nodiscard]] ReadComparison compareReads(std::span<const std::vector<std::uint8_t>> reads,
                                          std::size_t maxListed);

}  // namespace veldrix
