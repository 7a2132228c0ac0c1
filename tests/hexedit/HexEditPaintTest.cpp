#include <QImage>

#include "HexEditFixture.h"

namespace veldrix::test {
namespace {

constexpr Colorref kBlack = 0x000000;
constexpr Colorref kWhite = 0xFFFFFF;
constexpr Colorref kRed = 0x0000FF;
constexpr Colorref kGreen = 0x00FF00;
constexpr Colorref kBlue = 0xFF0000;
constexpr Colorref kYellow = 0x00FFFF;
constexpr Colorref kGrey = 0x808080;
// Not a grey: anti-aliased black-on-white text has greys of its own.
constexpr Colorref kPurple = 0x800080;

// Distinct colours, so every pixel tells what painted it.
class HexEditPaint : public HexEditFixture {
protected:
    void SetUp() override {
        HexEditFixture::SetUp();
        editor->SetHexColors(kWhite, kBlack, false);
        editor->SetMarkColors(0, kYellow, kRed, false);
        editor->SetSelectedColors(kWhite, kGreen, false);
        editor->SetSelectedNoFocusColors(kPurple, kBlack, false);
        editor->SetHighlightColors(kRed, kBlue, kWhite, true);
    }

    QImage shot() { return editor->viewport()->grab().toImage(); }

    // The two digits of a byte.
    QRect cell(std::uint32_t index) {
        const HexLayout& layout = editor->hexLayout();
        const HexGeometry geometry(layout, editor->topRow(), editor->hScroll());
        const int top = geometry.rowTop(geometry.viewRowOf(index).value_or(1));
        return QRect(geometry.digitLeft(index % layout.rowWidth, 0), top, 2 * layout.charWidth,
                     layout.rowHeight);
    }

    static int count(const QImage& image, const QRect& area, Colorref color) {
        const QRgb wanted = toQColor(color).rgb();
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                n += image.pixel(x, y) == wanted ? 1 : 0;
            }
        }
        return n;
    }
    static Colorref at(const QImage& image, QPoint point) {
        return toColorref(QColor(image.pixel(point)));
    }
};

TEST_F(HexEditPaint, MarkedDigitsAreDrawnInTheMarkTextColourOnly) {
    editor->SetCaret(kLast, false);  // keep the caret away
    editor->SetMarks(18, 1, true, true);
    const QImage image = shot();
    EXPECT_GT(count(image, cell(18), kRed), 0);
    EXPECT_EQ(count(image, cell(17), kRed), 0);
    EXPECT_EQ(count(image, cell(19), kRed), 0);
    // The mark background is never painted.
    EXPECT_EQ(count(image, image.rect(), kYellow), 0);
}

TEST_F(HexEditPaint, FocusedSelectionUsesTheSelectedColours) {
    editor->SetCaret(kLast, false);
    editor->SetSelection(20, 21, false, true);
    const QImage image = shot();
    const QRect first = cell(20);
    // Fill from one pixel above the text to one pixel past the last digit.
    EXPECT_EQ(at(image, first.topLeft() - QPoint(0, 1)), kGreen);
    EXPECT_EQ(at(image, cell(21).topRight() + QPoint(1, 0)), kGreen);
    EXPECT_NE(at(image, cell(21).topRight() + QPoint(2, 0)), kGreen);
    EXPECT_GT(count(image, first, kWhite), 0);  // selected digits in the selection text colour
    EXPECT_EQ(count(image, cell(19), kGreen), 0);
}

TEST_F(HexEditPaint, SelectionStaysVisibleInUnfocusedColoursWhenTheFocusMoves) {
    auto second = makeEditor(CHexEditBase::kMultiLineStyle);
    std::vector<std::uint8_t> other(64, 0);
    second->SetDataPtr(other.data(), 64, true);
    editor->SetSelection(20, 21, false, true);
    showFocused(*second);
    ASSERT_FALSE(editor->hasFocus());
    const QImage image = shot();
    EXPECT_EQ(at(image, cell(20).topLeft() - QPoint(0, 1)), kPurple);
    EXPECT_EQ(count(image, cell(20).united(cell(21)), kGreen), 0);
    EXPECT_TRUE(editor->caretRect().isEmpty());
}

TEST_F(HexEditPaint, SingleLineEditorHidesTheSelectionWithoutFocus) {
    auto single = makeEditor(0);
    single->SetHexColors(kWhite, kBlack, false);
    single->SetSelectedNoFocusColors(kPurple, kBlack, false);
    single->SetDataPtr(bytes.data(), 20, true);
    single->SetSelection(2, 4, false, true);
    single->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(single.get()));
    editor->activateWindow();
    editor->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    const QImage image = single->viewport()->grab().toImage();
    EXPECT_EQ(count(image, image.rect(), kPurple), 0);
}

TEST_F(HexEditPaint, CaretInvertsTheCellBelowTheDigit) {
    editor->SetCaret(33, false);
    const QRect caret = editor->caretRect();
    ASSERT_FALSE(caret.isEmpty());
    const QImage image = shot();
    // The caret's bottom line lies below the digit's baseline: plain background, inverted.
    EXPECT_EQ(at(image, QPoint(caret.left(), caret.bottom())), kBlack);
    EXPECT_EQ(at(image, QPoint(caret.right(), caret.bottom())), kBlack);
    EXPECT_EQ(at(image, QPoint(caret.right() + 1, caret.bottom())), kWhite);
    EXPECT_EQ(caret.left(), cell(33).left() + editor->hexLayout().charWidth);
}

TEST_F(HexEditPaint, HighlightIsFilledAndOutlined) {
    editor->SetCaret(kLast, false);
    editor->SetHighlight(34, 36, false, true);
    const QImage image = shot();
    const QRect first = cell(34);
    // The gap between two highlighted pairs shows the highlight background.
    EXPECT_EQ(at(image, QPoint(first.right() + 4, first.center().y())), kBlue);
    // The outline runs 2 pixels left of the first digit.
    EXPECT_EQ(at(image, QPoint(first.left() - 2, first.center().y())), kRed);
    EXPECT_EQ(count(image, cell(37), kBlue), 0);
    EXPECT_GT(count(image, first, kWhite), 0);  // highlight text colour
}

TEST_F(HexEditPaint, HeaderRowAndAsciiColumnUseTheirOwnColours) {
    constexpr Colorref kAddressText = 0x808080;
    // The caret's address is drawn darker: (0x808080 >> 1) + 0x202020.
    constexpr Colorref kCaretAddressText = 0x606060;
    editor->SetAddressColors(kPurple, kAddressText, false);
    editor->SetAsciiColors(kYellow, kBlue, false);
    editor->SetCaret(kLast, false);
    editor->SetSelection(0x40, 0x43, false, false);
    editor->SetMarks(0x40, 4, true, false);
    // Without anti-aliasing every text pixel has exactly its colour.
    QFont font = editor->GetFont();
    font.setStyleStrategy(QFont::NoAntialias);
    ASSERT_TRUE(editor->SetFont(font, true));
    const QImage image = shot();
    const HexLayout& layout = editor->hexLayout();
    const HexGeometry geometry(layout, editor->topRow(), editor->hScroll());
    const int headerTop = layout.clientRect.top();
    auto band = [&](int x, int width, int top) {
        return QRect(geometry.columnLeft(x), top, width, layout.rowHeight);
    };
    const QRect addressHeader = band(layout.addressX, layout.addressWidth - 5, headerTop);
    const QRect addressRow = band(layout.addressX, layout.addressWidth - 5, geometry.rowTop(1));
    const QRect hexHeader = band(layout.hexX, layout.hexWidth - 5, headerTop);
    const QRect asciiHeader = band(layout.asciiX, layout.asciiWidth, headerTop);
    // Bytes 0x40 to 0x4F: "@ABCDEFGHIJKLMNO".
    const QRect asciiRow = band(layout.asciiX, layout.asciiWidth, geometry.rowTop(5));

    EXPECT_GT(count(image, addressHeader, kCaretAddressText), 0);
    EXPECT_EQ(count(image, addressHeader, kAddressText), 0);
    EXPECT_GT(count(image, addressRow, kAddressText), 0);
    EXPECT_EQ(count(image, addressRow, kCaretAddressText), 0);
    for (const QRect& header : {hexHeader, asciiHeader}) {
        EXPECT_GT(count(image, header, kAddressText), 0);
        EXPECT_GT(count(image, header, kPurple), 0);
    }
    // The ASCII column shows neither selection nor marks.
    EXPECT_GT(count(image, asciiRow, kBlue), 0);
    EXPECT_GT(count(image, asciiRow, kYellow), 0);
    EXPECT_EQ(count(image, asciiRow, kGreen), 0);
    EXPECT_EQ(count(image, asciiRow, kRed), 0);
}

TEST_F(HexEditPaint, NothingButTheBackgroundWithoutData) {
    editor->SetBackgroundColor(kGrey, false);
    editor->SetDataPtr(nullptr, 0, true);
    const QImage image = shot();
    EXPECT_EQ(count(image, image.rect(), kGrey), image.width() * image.height());
}

}  // namespace
}  // namespace veldrix::test
