#pragma once
// Finding a module's chip row by the chip size the program hands over.

#include <cstddef>
#include <cstdint>

namespace veldrix::module {

// Index of the selected chip row; kNoRow while none is selected.
using RowIndex = std::uint16_t;
inline constexpr RowIndex kNoRow = 0xFFFF;

// First row whose size equals `size`, or kNoRow. Rows is a table of rows
// that each have a `size`.
template <class Rows>
[[nodiscard]] constexpr RowIndex findRowBySize(const Rows& rows, std::uint32_t size) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].size == size) {
            return static_cast<RowIndex>(i);
        }
    }
    return kNoRow;
}

}  // namespace veldrix::module
