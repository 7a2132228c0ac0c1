#include <QFontInfo>
#include <QScrollBar>
#include <QSignalSpy>

#include "HexEditFixture.h"

namespace veldrix::test {
namespace {

using HexEditData = HexEditFixture;

TEST_F(HexEditData, AttachingResetsCaretSelectionHighlightAndMarks) {
    editor->SetCaret(50, false);
    editor->SetSelection(3, 9, false, false);
    editor->SetHighlight(4, 6, false, false);
    editor->SetMarks(0, 20, true, false);
    std::vector<std::uint8_t> other(100, 0x55);
    editor->SetDataPtr(other.data(), 100, true);
    EXPECT_EQ(editor->caret(), 0u);
    EXPECT_TRUE(editor->isHighDigit());
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_FALSE(editor->HasHighlight());
    EXPECT_EQ(editor->anchor(), kNoIndex);
    EXPECT_FALSE(editor->IsMarked(0));
    EXPECT_EQ(editor->length(), 100u);
}

TEST_F(HexEditData, DataPtrIsEditedInPlaceAndDataCopyIsNot) {
    editor->SetCaret(2, true);
    QTest::keyClicks(editor.get(), "ab");
    EXPECT_EQ(bytes[2], 0xAB);

    std::vector<std::uint8_t> source{1, 2, 3, 4};
    editor->SetDataCopy(source.data(), 4, true);
    QTest::keyClicks(editor.get(), "ff");
    EXPECT_EQ(source[0], 1);
    std::vector<std::uint8_t> out(4);
    EXPECT_EQ(editor->GetData(out.data(), 4), 4u);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{0xFF, 2, 3, 4}));
}

TEST_F(HexEditData, GetDataCopiesNoMoreThanTheCapacity) {
    std::vector<std::uint8_t> out(3, 0xEE);
    EXPECT_EQ(editor->GetData(out.data(), 2), kLength);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{0, 1, 0xEE}));
    editor->SetDataCopy(nullptr, 10, true);
    EXPECT_EQ(editor->length(), 0u);
    EXPECT_EQ(editor->GetData(out.data(), 3), 0u);
}

TEST_F(HexEditData, NullPointerShowsNothingWhateverTheLength) {
    editor->SetDataPtr(nullptr, 500, true);
    EXPECT_EQ(editor->length(), 0u);
    QTest::keyClicks(editor.get(), "12");
    editor->SelectAll();
    EXPECT_FALSE(editor->HasSelection());
}

TEST_F(HexEditData, SelectionEndsPastTheDataAreClampedAndOrdered) {
    editor->SetSelection(1000, 5000, false, true);
    EXPECT_EQ(selection(), (ByteRange{1000, kLast}));
    editor->SetSelection(20, 10, false, true);
    EXPECT_EQ(selection(), (ByteRange{10, 20}));
    editor->SetSelection(kNoIndex, 10, false, true);
    ByteRange none{1, 1};
    EXPECT_FALSE(editor->GetSelection(none.start, none.end));
    EXPECT_EQ(none, ByteRange{});
    editor->SelectAll();
    EXPECT_EQ(selection(), (ByteRange{0, kLast}));
}

TEST_F(HexEditData, SelectionCanBeScrolledIntoView) {
    editor->SetSelection(900, 910, true, true);
    const std::uint32_t top = editor->topRow();
    EXPECT_GT(top, 0u);
    EXPECT_LE(top * 16, 900u);
    EXPECT_GE((top + editor->hexLayout().fullRows - 1) * 16, 910u);
}

TEST_F(HexEditData, MarksAreCutAtTheEndAndClearedByTheBuffer) {
    editor->SetMarks(kLast - 2, 10, true, true);
    EXPECT_TRUE(editor->IsMarked(kLast));
    EXPECT_TRUE(editor->IsMarked(kLast - 2));
    EXPECT_FALSE(editor->IsMarked(kLast - 3));
    EXPECT_FALSE(editor->setMark(kLength, true));
    EXPECT_TRUE(editor->setMark(7, true));
    EXPECT_TRUE(editor->IsMarked(7));
    editor->clearMarks();
    for (std::uint32_t i : {0u, 7u, kLast - 2, kLast}) {
        EXPECT_FALSE(editor->IsMarked(i)) << i;
    }
}

TEST_F(HexEditData, BufferAttachesWithItsOffsetAndTheAddressIsNotified) {
    QSignalSpy addresses(editor.get(), &CHexEditBase::addressChanged);
    std::vector<std::uint8_t> area(0x200, 0);
    editor->attachData(area.data(), 0x200, 0x10000);
    EXPECT_EQ(editor->addressOffset(), 0x10000u);
    ASSERT_GE(addresses.count(), 1);
    EXPECT_EQ(addresses.last().at(1).toString(), QStringLiteral("00010000"));
    QTest::keyClick(editor.get(), Qt::Key_Down);
    QTest::keyClick(editor.get(), Qt::Key_Down);
    EXPECT_EQ(addresses.last().at(0).toUInt(), 0x10020u);
    EXPECT_EQ(addresses.last().at(1).toString(), QStringLiteral("00010020"));

    editor->detachData();
    EXPECT_EQ(editor->length(), 0u);
}

TEST_F(HexEditData, OnlyFixedPitchFontsAreTaken) {
    const int charWidth = editor->hexLayout().charWidth;
    const QFont before = editor->GetFont();
    QFont proportional(QStringLiteral("DejaVu Sans"));
    proportional.setPixelSize(30);
    ASSERT_FALSE(QFontInfo(proportional).fixedPitch());
    EXPECT_FALSE(editor->SetFont(proportional, true));
    EXPECT_EQ(editor->GetFont(), before);
    EXPECT_EQ(editor->hexLayout().charWidth, charWidth);

    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(30);
    ASSERT_TRUE(editor->SetFont(mono, true));
    const HexLayout& layout = editor->hexLayout();
    EXPECT_GT(layout.charWidth, charWidth);
    // Whole-pixel advance: a row drawn in one call stays on the cell grid.
    EXPECT_EQ(QFontMetrics(editor->GetFont()).horizontalAdvance(QStringLiteral("00 11 22")),
              8 * layout.charWidth);
}

TEST_F(HexEditData, LayoutSettersTakeEffectAtOnce) {
    editor->SetBytesPerRow(8, false, true);
    EXPECT_EQ(editor->hexLayout().rowWidth, 8u);
    editor->SetShowAscii(false, true);
    EXPECT_EQ(editor->hexLayout().asciiWidth, 0);
    editor->SetShowAddress(false, true);
    EXPECT_EQ(editor->hexLayout().hexX, 0);
    editor->SetBytesPerRow(8, true, true);
    const HexLayout& layout = editor->hexLayout();
    // Automatic: as many bytes as fit the width.
    EXPECT_EQ(layout.rowWidth,
              static_cast<std::uint32_t>((layout.clientRect.width() + layout.charWidth) /
                                         (3 * layout.charWidth)));
    editor->SetAddressDigits(300, true);
    editor->SetShowAddress(true, true);
    EXPECT_EQ(editor->hexLayout().addressWidth, 255 * editor->hexLayout().charWidth + 5);
}

TEST_F(HexEditData, ScrollBarsFollowTheLayout) {
    settle();
    const HexLayout& layout = editor->hexLayout();
    QScrollBar* vertical = editor->verticalScrollBar();
    EXPECT_EQ(vertical->minimum(), 0);
    EXPECT_EQ(vertical->maximum(), static_cast<int>(layout.maxTopRow));
    EXPECT_EQ(vertical->pageStep(), layout.fullRows);
    EXPECT_TRUE(vertical->isVisible());

    vertical->setValue(7);  // the user drags the thumb
    EXPECT_EQ(editor->topRow(), 7u);
    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor->topRow(), 7u + static_cast<std::uint32_t>(layout.fullRows));

    editor->SetTopLine(3, true);
    EXPECT_EQ(vertical->value(), 3);

    std::vector<std::uint8_t> few(32, 0);
    editor->SetDataPtr(few.data(), 32, true);
    settle();
    EXPECT_FALSE(vertical->isVisible());
    EXPECT_EQ(editor->topRow(), 0u);
}

TEST_F(HexEditData, NarrowWindowScrollsSideways) {
    editor->resize(250, 300);
    settle();
    const HexLayout& layout = editor->hexLayout();
    ASSERT_GT(layout.maxHScroll, 0u);
    EXPECT_EQ(editor->horizontalScrollBar()->maximum(), static_cast<int>(layout.maxHScroll));
    editor->SetCaret(0, true);
    QTest::keyClick(editor.get(), Qt::Key_End);  // last byte: far right
    EXPECT_GT(editor->hScroll(), 0u);
    EXPECT_FALSE(editor->caretRect().isEmpty());
    // Back home: scrolled just far enough for byte 0's first digit.
    QTest::keyClick(editor.get(), Qt::Key_Home);
    EXPECT_EQ(editor->hScroll(), static_cast<std::uint32_t>(layout.hexX));
    EXPECT_FALSE(editor->caretRect().isEmpty());
}

TEST_F(HexEditData, SingleLineEditorShowsAllBytesInOneRowWithoutScrollBars) {
    auto single = makeEditor(0);
    single->SetDataPtr(bytes.data(), 40, true);
    showFocused(*single);
    EXPECT_EQ(single->hexLayout().rowWidth, 40u);
    EXPECT_EQ(single->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    single->SetTopLine(1, true);
    EXPECT_EQ(single->topRow(), 0u);
}

}  // namespace
}  // namespace veldrix::test
