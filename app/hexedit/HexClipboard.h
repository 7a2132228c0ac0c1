#pragma once
// What the hex editor puts on the clipboard and takes from it: the private
// "BinaryData" block (a 32-bit little-endian byte count, then the bytes) and
// the same bytes as hex text.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>
#include <span>

class QMimeData;

namespace veldrix {

// The "BinaryData" format. On Windows Qt maps this to the registered
// clipboard format of that name, so other programs that use it interoperate.
inline constexpr char kBinaryDataMime[] = "application/x-qt-windows-mime;value=\"BinaryData\"";

// Hex text of `bytes`, `rowWidth` pairs to a line, each line ended by "\n".
// When more than rowWidth + 1 bytes are copied, the first line starts at
// `firstColumn`, indented by three spaces per skipped column.
[[nodiscard]] QString copyText(std::span<const std::uint8_t> bytes, std::uint32_t firstColumn,
                               std::uint32_t rowWidth);

// The "BinaryData" block of `bytes`.
[[nodiscard]] QByteArray binaryBlock(std::span<const std::uint8_t> bytes);

// The bytes a "BinaryData" block carries: its count, but never more than the
// block really holds; empty for a block shorter than its count field.
[[nodiscard]] std::span<const std::uint8_t> binaryBlockBytes(const QByteArray& block);

// Both forms of `bytes`, ready for the clipboard.
[[nodiscard]] std::unique_ptr<QMimeData> clipboardData(std::span<const std::uint8_t> bytes,
                                                       std::uint32_t firstColumn,
                                                       std::uint32_t rowWidth);

}  // namespace veldrix
