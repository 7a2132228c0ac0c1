#include "buffer/ReadComparison.h"

#include <algorithm>

namespace veldrix {

ReadComparison compareReads(std::span<const std::vector<std::uint8_t>> reads,
                            std::size_t maxListed) {
    ReadComparison comparison;
    if (reads.size() < 2) {
        return comparison;
    }
    std::size_t length = reads.front().size();
    for (const auto& read : reads) {
        length = std::min(length, read.size());
    }
    const std::vector<std::uint8_t>& first = reads.front();
    const auto agrees = [&](std::size_t address) {
        return std::all_of(reads.begin() + 1, reads.end(),
                           [&](const auto& read) { return read[address] == first[address]; });
    };
    const std::size_t listLimit = maxListed == 0 ? length : maxListed;
    for (std::size_t address = 0; address < length; ++address) {
        if (agrees(address)) {
            continue;
        }
        ++comparison.count;
        if (comparison.listed.size() < listLimit) {
            UnstableByte byte{address, {}};
            byte.values.reserve(reads.size());
            for (const auto& read : reads) {
                byte.values.push_back(read[address]);
            }
            comparison.listed.push_back(std::move(byte));
        }
    }
    return comparison;
}

}  // namespace veldrix
