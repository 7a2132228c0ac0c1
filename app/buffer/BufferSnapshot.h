#pragma once
// A copy of the whole image, to put back after something that had to run on
// the buffer itself (a chip read made only to look at the chip).

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "buffer/DataBuffer.h"

namespace veldrix {

class BufferSnapshot {
public:
    explicit BufferSnapshot(const DataBuffer& buffer)
        : bytes_(buffer.data(), buffer.data() + buffer.length()) {}

    [[nodiscard]] std::span<const std::uint8_t> bytes() const noexcept { return bytes_; }

    // Copies the bytes back in place: the editors keep their carets, their
    // selections and their marks. The image must not have been dimensioned
    // anew since (a longer one keeps its tail, a shorter one takes its share).
    void restore(DataBuffer& buffer) const noexcept {
        std::copy_n(bytes_.begin(), std::min<std::size_t>(bytes_.size(), buffer.length()),
                    buffer.data());
    }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace veldrix
