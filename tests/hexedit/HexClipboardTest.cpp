#include <gtest/gtest.h>

#include <QMimeData>
#include <vector>

#include "hexedit/HexClipboard.h"

namespace veldrix {
namespace {

TEST(HexClipboard, ThreeBytesGiveOneLineAndASevenByteBlock) {
    const std::vector<std::uint8_t> bytes{0x12, 0xAB, 0x00};
    EXPECT_EQ(copyText(bytes, 0, 16), QStringLiteral("12 AB 00\n"));
    EXPECT_EQ(binaryBlock(bytes), QByteArray("\x03\x00\x00\x00\x12\xAB\x00", 7));
}

TEST(HexClipboard, LongCopyFromColumnFiveIsIndentedOnItsFirstLine) {
    std::vector<std::uint8_t> bytes(20);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    const QString expected = QString(15, QLatin1Char(' ')) +
                             "A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA\n"
                             "AB AC AD AE AF B0 B1 B2 B3\n";
    EXPECT_EQ(copyText(bytes, 5, 16), expected);
}

TEST(HexClipboard, CopiesOfUpToOneRowPlusOneByteAreNotIndented) {
    const std::vector<std::uint8_t> seventeen(17, 0x11);
    const QString text = copyText(seventeen, 5, 16);
    EXPECT_TRUE(text.startsWith(QStringLiteral("11 11")));
    EXPECT_EQ(text.count(QLatin1Char('\n')), 2);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\n11\n")));
    // One more byte and the start column counts.
    EXPECT_TRUE(copyText(std::vector<std::uint8_t>(18, 0x11), 5, 16).startsWith(QString(15, ' ')));
}

TEST(HexClipboard, BlockCountIsLittleEndian) {
    const std::vector<std::uint8_t> bytes(0x1234, 0x77);
    const QByteArray block = binaryBlock(bytes);
    ASSERT_EQ(block.size(), 0x1234 + 4);
    EXPECT_EQ(block.left(4), QByteArray("\x34\x12\x00\x00", 4));
    EXPECT_EQ(binaryBlockBytes(block).size(), 0x1234u);
}

TEST(HexClipboard, BlockReaderTrustsOnlyTheBytesThatAreThere) {
    // Claims 100 bytes, holds 2.
    const QByteArray shortBlock("\x64\x00\x00\x00\x01\x02", 6);
    const auto bytes = binaryBlockBytes(shortBlock);
    ASSERT_EQ(bytes.size(), 2u);
    EXPECT_EQ(bytes[1], 0x02);
    // Holds more than it claims: only the count.
    EXPECT_EQ(binaryBlockBytes(QByteArray("\x01\x00\x00\x00\x09\x08", 6)).size(), 1u);
    EXPECT_TRUE(binaryBlockBytes(QByteArray("\x05\x00", 2)).empty());
}

TEST(HexClipboard, MimeDataOffersBothForms) {
    const std::vector<std::uint8_t> bytes{0xDE, 0xAD};
    const auto data = clipboardData(bytes, 0, 16);
    EXPECT_EQ(data->text(), QStringLiteral("DE AD\n"));
    EXPECT_EQ(data->data(QString::fromLatin1(kBinaryDataMime)), binaryBlock(bytes));
}

}  // namespace
}  // namespace veldrix
