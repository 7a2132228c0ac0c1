#include <QSignalSpy>

#include "HexEditFixture.h"

namespace veldrix::test {
namespace {

using HexEditSelectionSignal = HexEditFixture;

// The main window enables its selection commands from this signal alone, so
// every way the selection can change must announce itself, and nothing else
// may.
TEST_F(HexEditSelectionSignal, EveryChangeOfTheSelectionIsAnnouncedOnce) {
    QSignalSpy changed(editor.get(), &CHexEditBase::selectionChanged);

    editor->SetSelection(4, 9, false, true);
    EXPECT_EQ(changed.count(), 1);
    editor->SetSelection(9, 4, false, true);  // the same range, ordered
    EXPECT_EQ(changed.count(), 1);
    editor->SetSelection(kNoIndex, kNoIndex, false, true);
    EXPECT_EQ(changed.count(), 2);

    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_TRUE(editor->HasSelection());
    EXPECT_EQ(changed.count(), 3);
    key(Qt::Key_Right);  // moving without Shift drops it
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(changed.count(), 4);
    key(Qt::Key_Right);  // nothing selected, nothing to announce
    EXPECT_EQ(changed.count(), 4);

    editor->SelectAll();
    EXPECT_EQ(changed.count(), 5);
    editor->SetDataPtr(bytes.data(), 16, true);  // new data clears it
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(changed.count(), 6);
}

TEST_F(HexEditSelectionSignal, MouseDragAnnouncesTheGrowingSelection) {
    QSignalSpy changed(editor.get(), &CHexEditBase::selectionChanged);
    press(digitPoint(2, true));
    EXPECT_EQ(changed.count(), 0);
    drag(digitPoint(20, true));
    drag(digitPoint(40, true));
    release(digitPoint(40, true));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(selection(), (ByteRange{2, 40}));

    press(digitPoint(60, true));  // a new press clears the old selection
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(HexEditSelectionSignal, TypingAndCaretMovesWithoutSelectionStayQuiet) {
    QSignalSpy changed(editor.get(), &CHexEditBase::selectionChanged);
    type("A5");
    key(Qt::Key_Down);
    editor->SetHighlight(3, 7, false, true);
    editor->SetMarks(0, 4, true, true);
    EXPECT_EQ(changed.count(), 0);
}

}  // namespace
}  // namespace veldrix::test
