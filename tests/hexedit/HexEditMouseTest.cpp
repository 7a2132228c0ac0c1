#include <QWheelEvent>

#include "HexEditFixture.h"
#include "hexedit/HexMouseController.h"

namespace veldrix::test {
namespace {

using HexEditMouse = HexEditFixture;

TEST_F(HexEditMouse, ClickPlacesTheCaretWhereHitTestSays) {
    const QPoint at = digitPoint(37, false);
    const HexPosition expected = editor->HitTest(at);
    EXPECT_EQ(expected, (HexPosition{37, false}));
    press(at);
    release(at);
    EXPECT_EQ(editor->caret(), 37u);
    EXPECT_FALSE(editor->isHighDigit());
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(editor->anchor(), 37u);
}

TEST_F(HexEditMouse, ClickTakesTheFocus) {
    editor->clearFocus();
    ASSERT_FALSE(editor->hasFocus());
    press(digitPoint(2, true));
    EXPECT_TRUE(editor->hasFocus());
}

TEST_F(HexEditMouse, DragSelectsFromThePressToThePointer) {
    press(digitPoint(2, true));
    drag(digitPoint(40, true));
    release(digitPoint(40, true));
    EXPECT_EQ(selection(), (ByteRange{2, 40}));
    EXPECT_EQ(editor->caret(), 40u);
    // Dragging backwards orders the ends.
    press(digitPoint(50, true));
    drag(digitPoint(20, false));
    EXPECT_EQ(selection(), (ByteRange{20, 50}));
}

TEST_F(HexEditMouse, MovesInsideTheDragThresholdSelectNothing) {
    const QPoint start = digitPoint(2, true);
    press(start);
    drag(start + QPoint(1, 1));
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(editor->caret(), 2u);
}

TEST_F(HexEditMouse, ShiftMovementAfterADragExtendsFromTheDragsStart) {
    press(digitPoint(10, true));
    drag(digitPoint(12, true));
    release(digitPoint(12, true));
    QTest::keyClick(editor.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(selection(), (ByteRange{10, 28}));
}

TEST_F(HexEditMouse, DoubleClickSelectsTheByteOrTheHighlightAroundIt) {
    const QPoint at = digitPoint(21, false);
    mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    EXPECT_EQ(selection(), (ByteRange{21, 21}));
    EXPECT_EQ(editor->caret(), 21u);

    editor->SetHighlight(18, 30, false, true);
    mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    EXPECT_EQ(selection(), (ByteRange{18, 30}));
    mouse(QEvent::MouseButtonDblClick, digitPoint(31, true), Qt::LeftButton);
    EXPECT_EQ(selection(), (ByteRange{31, 31}));
}

TEST_F(HexEditMouse, WheelScrollsOneRowPerNotch) {
    auto wheel = [&](int delta) {
        const QPointF at(50, 50);
        QWheelEvent event(at, editor->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(editor->viewport(), &event);
    };
    ASSERT_GT(editor->hexLayout().maxTopRow, 2u);
    wheel(-120);
    EXPECT_EQ(editor->topRow(), 1u);
    wheel(-60);  // less than a notch
    EXPECT_EQ(editor->topRow(), 1u);
    wheel(-240);
    EXPECT_EQ(editor->topRow(), 3u);
    wheel(600);  // stops at the first row
    EXPECT_EQ(editor->topRow(), 0u);
}

TEST_F(HexEditMouse, DraggingBelowTheWindowAutoScrollsFasterFurtherOut) {
    HexMouseController& input = editor->mouseInput();
    const QRect client = editor->hexLayout().clientRect;
    const int bottom = client.top() + client.height();
    press(digitPoint(16, true));
    drag(QPoint(100, bottom + 2));  // distance 3: slowest
    ASSERT_TRUE(input.isAutoScrolling());
    EXPECT_EQ(input.autoScrollState().direction, 1);
    EXPECT_EQ(input.autoScrollState().delay, 7);

    // The first step comes after the countdown has run out.
    for (int i = 0; i < 7; ++i) {
        input.autoScrollTick();
    }
    EXPECT_EQ(editor->topRow(), 0u);
    input.autoScrollTick();
    EXPECT_EQ(editor->topRow(), 1u);
    // The selection follows the pointer's row in the scrolled view.
    EXPECT_EQ(selection().start, 16u);
    EXPECT_GT(selection().end,
              16u + 16u * static_cast<std::uint32_t>(editor->hexLayout().rows - 2));

    drag(QPoint(100, bottom + 40));  // far out: fastest
    EXPECT_EQ(input.autoScrollState().delay, 1);

    drag(digitPoint(40, true));  // back inside: stops
    EXPECT_FALSE(input.isAutoScrolling());
}

TEST_F(HexEditMouse, DraggingAboveScrollsUpAndReleaseStops) {
    editor->SetTopLine(5, true);
    HexMouseController& input = editor->mouseInput();
    press(digitPoint(5 * 16 + 40, true));
    drag(QPoint(5, 0));  // above, level with the first column
    ASSERT_TRUE(input.isAutoScrolling());
    EXPECT_EQ(input.autoScrollState().direction, -1);
    for (int i = 0; i <= input.autoScrollState().delay; ++i) {
        input.autoScrollTick();
    }
    EXPECT_EQ(editor->topRow(), 4u);
    EXPECT_EQ(selection().start, 4u * 16u);
    release(QPoint(5, 0));
    EXPECT_FALSE(input.isAutoScrolling());
    EXPECT_EQ(editor->anchor(), 5u * 16u + 40u);
}

TEST_F(HexEditMouse, SingleLineEditorDoesNotAutoScroll) {
    auto single = makeEditor(0);
    single->resize(600, 60);
    single->SetDataPtr(bytes.data(), 20, true);
    showFocused(*single);
    QWidget* target = single->viewport();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    };
    send(QEvent::MouseButtonPress, QPoint(60, 25), Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(60, 200), Qt::LeftButton);
    EXPECT_FALSE(single->mouseInput().isAutoScrolling());
    EXPECT_TRUE(single->HasSelection());
}

}  // namespace
}  // namespace veldrix::test
