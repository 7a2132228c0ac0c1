#include "hexedit/HexClipboard.h"

#include <QMimeData>
#include <algorithm>
#include <string>

#include "hexedit/HexRowText.h"

namespace veldrix {

namespace {

constexpr qsizetype kCountSize = 4;

}  // namespace

QString copyText(std::span<const std::uint8_t> bytes, std::uint32_t firstColumn,
                 std::uint32_t rowWidth) {
    rowWidth = std::max<std::uint32_t>(rowWidth, 1);
    // Short copies are not indented.
    std::size_t column =
        bytes.size() > std::size_t{rowWidth} + 1 ? std::min(firstColumn, rowWidth - 1) : 0;
    std::string line(3 * std::size_t{rowWidth} + 2, ' ');
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        HexRowBuffer pair;
        const std::string_view digits = formatHexRow(bytes.subspan(i, 1), pair);
        line.replace(3 * column, 2, digits);
        ++column;
        if (column == rowWidth || i + 1 == bytes.size()) {
            text.append(line, 0, 3 * column - 1);
            text.push_back('\n');
            column = 0;
        }
    }
    return QString::fromLatin1(text);
}

QByteArray binaryBlock(std::span<const std::uint8_t> bytes) {
    const auto count = static_cast<std::uint32_t>(bytes.size());
    QByteArray block(kCountSize + static_cast<qsizetype>(bytes.size()), '\0');
    for (int i = 0; i < kCountSize; ++i) {
        block[i] = static_cast<char>((count >> (8 * i)) & 0xFF);
    }
    std::copy(bytes.begin(), bytes.end(), block.begin() + kCountSize);
    return block;
}

std::span<const std::uint8_t> binaryBlockBytes(const QByteArray& block) {
    if (block.size() < kCountSize) {
        return {};
    }
    const auto* raw = reinterpret_cast<const std::uint8_t*>(block.constData());
    const std::uint32_t count = std::uint32_t{raw[0]} | (std::uint32_t{raw[1]} << 8) |
                                (std::uint32_t{raw[2]} << 16) | (std::uint32_t{raw[3]} << 24);
    const auto held = static_cast<std::uint64_t>(block.size() - kCountSize);
    return std::span(raw + kCountSize,
                     static_cast<std::size_t>(std::min<std::uint64_t>(count, held)));
}

std::unique_ptr<QMimeData> clipboardData(std::span<const std::uint8_t> bytes,
                                         std::uint32_t firstColumn, std::uint32_t rowWidth) {
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kBinaryDataMime), binaryBlock(bytes));
    data->setText(copyText(bytes, firstColumn, rowWidth));
    return data;
}

}  // namespace veldrix
