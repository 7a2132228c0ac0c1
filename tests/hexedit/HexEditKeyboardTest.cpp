#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "HexEditFixture.h"
#include "hexedit/HexClipboard.h"

namespace veldrix::test {
namespace {

using HexEditKeyboard = HexEditFixture;

TEST_F(HexEditKeyboard, TypingTwoDigitsStoresTheByteAndMovesOn) {
    QSignalSpy changes(editor.get(), &CHexEditBase::editChanged);
    editor->SetCaret(5, true);
    type("4");
    EXPECT_EQ(bytes[5], 0x45);  // high digit replaced, low digit kept
    EXPECT_EQ(editor->caret(), 5u);
    EXPECT_FALSE(editor->isHighDigit());
    type("1");
    EXPECT_EQ(bytes[5], 0x41);
    EXPECT_EQ(editor->caret(), 6u);
    EXPECT_TRUE(editor->isHighDigit());
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(HexEditKeyboard, UpperCaseDigitsCountAndOtherCharactersDoNothing) {
    QSignalSpy changes(editor.get(), &CHexEditBase::editChanged);
    editor->SetCaret(5, true);
    type("G");
    type("z");
    key(Qt::Key_Backspace);
    EXPECT_EQ(bytes[5], 0x05);
    EXPECT_EQ(editor->caret(), 5u);
    EXPECT_TRUE(editor->isHighDigit());
    EXPECT_EQ(changes.count(), 0);
    type("Fe");
    EXPECT_EQ(bytes[5], 0xFE);
}

TEST_F(HexEditKeyboard, TypingOnTheLastLowDigitStaysThere) {
    editor->SetCaret(kLast, false);
    type("A");
    EXPECT_EQ(bytes[kLast], 0xFA);
    EXPECT_EQ(editor->caret(), kLast);
    EXPECT_FALSE(editor->isHighDigit());
    type("B");
    EXPECT_EQ(bytes[kLast], 0xFB);
}

TEST_F(HexEditKeyboard, ReadOnlyRefusesTyping) {
    QSignalSpy changes(editor.get(), &CHexEditBase::editChanged);
    editor->SetReadonly(true, true);
    editor->SetCaret(3, true);
    type("77");
    EXPECT_EQ(bytes[3], 0x03);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(HexEditKeyboard, LeftAndRightStepDigitByDigit) {
    editor->SetCaret(7, true);
    key(Qt::Key_Right);
    EXPECT_EQ(editor->caret(), 7u);
    EXPECT_FALSE(editor->isHighDigit());
    key(Qt::Key_Right);
    EXPECT_EQ(editor->caret(), 8u);
    EXPECT_TRUE(editor->isHighDigit());
    key(Qt::Key_Left);
    EXPECT_EQ(editor->caret(), 7u);
    EXPECT_FALSE(editor->isHighDigit());
    key(Qt::Key_Left);
    EXPECT_EQ(editor->caret(), 7u);
    EXPECT_TRUE(editor->isHighDigit());
}

TEST_F(HexEditKeyboard, LeftAndRightStopAtTheEnds) {
    editor->SetCaret(0, true);
    key(Qt::Key_Left);
    EXPECT_EQ(editor->caret(), 0u);
    EXPECT_TRUE(editor->isHighDigit());
    editor->SetCaret(kLast, false);
    key(Qt::Key_Right);
    EXPECT_EQ(editor->caret(), kLast);
    EXPECT_FALSE(editor->isHighDigit());
}

TEST_F(HexEditKeyboard, UpAndDownMoveByARowKeepingTheDigitAndClamp) {
    editor->SetCaret(20, false);
    key(Qt::Key_Down);
    EXPECT_EQ(editor->caret(), 36u);
    EXPECT_FALSE(editor->isHighDigit());
    key(Qt::Key_Up);
    key(Qt::Key_Up);
    EXPECT_EQ(editor->caret(), 4u);
    key(Qt::Key_Up);  // no row above: to byte 0, high digit
    EXPECT_EQ(editor->caret(), 0u);
    EXPECT_TRUE(editor->isHighDigit());
    editor->SetCaret(kLast - 5, true);
    key(Qt::Key_Down);  // no row below: to the last byte, low digit
    EXPECT_EQ(editor->caret(), kLast);
    EXPECT_FALSE(editor->isHighDigit());
}

TEST_F(HexEditKeyboard, HomeAndEndGoToTheEnds) {
    editor->SetCaret(100, false);
    key(Qt::Key_Home);
    EXPECT_EQ(editor->caret(), 0u);
    EXPECT_TRUE(editor->isHighDigit());
    key(Qt::Key_End);
    EXPECT_EQ(editor->caret(), kLast);
    EXPECT_FALSE(editor->isHighDigit());
}

TEST_F(HexEditKeyboard, HomeAndEndReachTheEndsOfDataLargerThan128MiB) {
    constexpr std::uint32_t kLength = 0x9000000;
    auto big = std::make_unique_for_overwrite<std::uint8_t[]>(kLength);
    editor->SetDataPtr(big.get(), kLength, true);
    editor->SetCaret(0x8800000, true);
    key(Qt::Key_Home);
    EXPECT_EQ(editor->caret(), 0u);
    key(Qt::Key_End);
    EXPECT_EQ(editor->caret(), kLength - 1);
    EXPECT_EQ(editor->topRow(), editor->hexLayout().maxTopRow);
    editor->SetDataPtr(nullptr, 0, false);
}

TEST_F(HexEditKeyboard, PageKeysMoveByTheRowsInViewLessOne) {
    const HexLayout& layout = editor->hexLayout();
    const std::uint32_t page = layout.rowWidth * static_cast<std::uint32_t>(layout.rows - 1);
    editor->SetCaret(3, true);
    key(Qt::Key_PageDown);
    EXPECT_EQ(editor->caret(), 3 + page);
    EXPECT_GT(editor->topRow(), 0u);
    key(Qt::Key_PageUp);
    EXPECT_EQ(editor->caret(), 3u);
    EXPECT_EQ(editor->topRow(), 0u);
    key(Qt::Key_PageUp);
    EXPECT_EQ(editor->caret(), 0u);
}

TEST_F(HexEditKeyboard, MovingDownKeepsTheCaretInAFullyVisibleRow) {
    const HexLayout& layout = editor->hexLayout();
    const QRect client = layout.clientRect;
    editor->SetCaret(0, true);
    for (int i = 0; i < layout.fullRows + 3; ++i) {
        key(Qt::Key_Down);
        const QRect caret = editor->caretRect();
        ASSERT_FALSE(caret.isEmpty()) << "after " << i + 1 << " rows";
        EXPECT_EQ(caret.height(), layout.rowHeight - 1);
        EXPECT_LE(caret.bottom(), client.bottom());
    }
}

TEST_F(HexEditKeyboard, ShiftRightTwiceSelectsTwoBytes) {
    editor->SetCaret(3, true);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (ByteRange{3, 4}));
    EXPECT_EQ(editor->caret(), 4u);
    // Back past the anchor (clamped at byte 0): the selection is kept in order.
    key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (ByteRange{0, 3}));
    EXPECT_EQ(editor->caret(), 0u);
}

TEST_F(HexEditKeyboard, MovingWithoutShiftDropsTheSelectionAndAnchor) {
    editor->SetCaret(40, true);
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (ByteRange{40, 56}));
    key(Qt::Key_Right);
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(editor->anchor(), kNoIndex);
    key(Qt::Key_Left, Qt::ShiftModifier);  // a new selection from here
    EXPECT_EQ(selection(), (ByteRange{56, 56}));
}

TEST_F(HexEditKeyboard, CtrlShortcutsWinOverTheWindowsAccelerators) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* hex = new CHexEditBase();
    layout->addWidget(hex);
    int windowCopies = 0;
    auto* copyAction = new QAction(&window);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(copyAction, &QAction::triggered, [&] { ++windowCopies; });
    window.addAction(copyAction);
    std::vector<std::uint8_t> data{0x12, 0xAB, 0x00, 0x44};
    hex->SetDataPtr(data.data(), 4, true);
    window.resize(400, 200);
    showFocused(window);
    hex->setFocus();
    QCoreApplication::processEvents();

    QTest::keyClick(hex, Qt::Key_A, Qt::ControlModifier);
    ByteRange all;
    hex->GetSelection(all.start, all.end);
    EXPECT_EQ(all, (ByteRange{0, 3}));
    QApplication::clipboard()->clear();
    QTest::keyClick(hex, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(windowCopies, 0);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12 AB 00 44\n"));

    hex->SetSelection(2, 2, false, true);
    QTest::keyClick(hex, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(data, (std::vector<std::uint8_t>{0x12, 0xAB, 0x12, 0xAB}));
}

TEST_F(HexEditKeyboard, TabMovesTheFocusToTheNextWidget) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* hex = new CHexEditBase();
    auto* next = new QLineEdit();
    layout->addWidget(hex);
    layout->addWidget(next);
    std::vector<std::uint8_t> data(32, 0);
    hex->SetDataPtr(data.data(), 32, true);
    showFocused(window);
    hex->setFocus();
    QCoreApplication::processEvents();
    QTest::keyClick(hex, Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus());
    QTest::keyClick(next, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(hex->hasFocus());
    EXPECT_EQ(data, std::vector<std::uint8_t>(32, 0));
}

TEST_F(HexEditKeyboard, KeysWithoutDataDoNothing) {
    editor->SetDataPtr(nullptr, 0, true);
    key(Qt::Key_End);
    key(Qt::Key_Right, Qt::ShiftModifier);
    type("12");
    EXPECT_EQ(editor->caret(), 0u);
    EXPECT_FALSE(editor->HasSelection());
}

}  // namespace
}  // namespace veldrix::test
