#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTimer>

#include "CheckValue.h"
#include "HexEditFixture.h"
#include "hexedit/HexClipboard.h"
#include "hexedit/HexContextMenu.h"

namespace veldrix::test {
namespace {

class HexEditClipboard : public HexEditFixture {
protected:
    static void offerBlock(const std::vector<std::uint8_t>& payload) {
        auto data = std::make_unique<QMimeData>();
        data->setData(QString::fromLatin1(kBinaryDataMime), binaryBlock(payload));
        QApplication::clipboard()->setMimeData(data.release());
    }
    static QByteArray offeredBlock() {
        const QMimeData* data = QApplication::clipboard()->mimeData();
        return data != nullptr ? data->data(QString::fromLatin1(kBinaryDataMime)) : QByteArray();
    }
    // The menu runs its own event loop; this ends it.
    static void closeMenuOnceShown() {
        QTimer::singleShot(0, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            }
        });
    }
    QAction* menuEntry(QMenu& menu, int command) {
        for (QAction* action : menu.actions()) {
            if (action->data().toInt() == command) {
                return action;
            }
        }
        ADD_FAILURE() << "no entry for command " << command;
        return nullptr;
    }
};

TEST_F(HexEditClipboard, CopyPutsTextAndBlockOfTheSelection) {
    bytes[0x40] = 0x12;
    bytes[0x41] = 0xAB;
    bytes[0x42] = 0x00;
    editor->SetSelection(0x40, 0x42, false, true);
    editor->Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12 AB 00\n"));
    EXPECT_EQ(offeredBlock(), QByteArray("\x03\x00\x00\x00\x12\xAB\x00", 7));
}

TEST_F(HexEditClipboard, CopyIndentsALongSelectionByItsStartColumn) {
    editor->SetSelection(0x25, 0x25 + 19, false, true);
    editor->Copy();
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), 3);  // two lines and what follows the last "\n"
    EXPECT_EQ(lines[0], QString(15, ' ') + "25 26 27 28 29 2A 2B 2C 2D 2E 2F");
    EXPECT_EQ(lines[1], QStringLiteral("30 31 32 33 34 35 36 37 38"));
}

TEST_F(HexEditClipboard, CopyWithoutSelectionLeavesTheClipboard) {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    editor->Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(HexEditClipboard, PasteNearTheEndIsCutAndSelectsWhatWasWritten) {
    QSignalSpy changes(editor.get(), &CHexEditBase::editChanged);
    offerBlock(std::vector<std::uint8_t>(10, 0xEE));
    editor->SetCaret(kLast - 2, true);
    editor->Paste();
    EXPECT_EQ(bytes[kLast - 3], (kLast - 3) % 256);
    EXPECT_EQ(bytes[kLast - 2], 0xEE);
    EXPECT_EQ(bytes[kLast], 0xEE);
    EXPECT_EQ(selection(), (ByteRange{kLast - 2, kLast}));
    EXPECT_EQ(editor->caret(), kLast);
    EXPECT_FALSE(editor->isHighDigit());
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(HexEditClipboard, PasteGoesToTheSelectionStartAndScrollsIntoView) {
    constexpr std::uint32_t kLength = 64 * 1024;
    std::vector<std::uint8_t> large(kLength, 0);
    editor->SetDataPtr(large.data(), kLength, true);
    offerBlock({1, 2, 3});
    editor->SetSelection(40000, 40100, false, true);
    editor->Paste();
    EXPECT_EQ(large[40000], 1);
    EXPECT_EQ(large[40002], 3);
    EXPECT_EQ(large[40003], 0);
    EXPECT_EQ(selection(), (ByteRange{40000, 40002}));
    EXPECT_FALSE(editor->caretRect().isEmpty());
    editor->SetDataPtr(nullptr, 0, false);
}

TEST_F(HexEditClipboard, PasteTakesOnlyBinaryData) {
    QSignalSpy changes(editor.get(), &CHexEditBase::editChanged);
    QApplication::clipboard()->setText(QStringLiteral("41 42 43"));
    editor->SetCaret(0, true);
    editor->Paste();
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(HexEditClipboard, PasteOfAnEmptyOrMalformedBlockWritesOnlyWhatIsThere) {
    QSignalSpy changes(editor.get(), &CHexEditBase::editChanged);
    offerBlock({});
    editor->SetCaret(10, true);
    editor->Paste();
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(changes.count(), 0);

    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kBinaryDataMime), QByteArray("\xFF\xFF\x00\x00\x99", 5));
    QApplication::clipboard()->setMimeData(data.release());
    editor->Paste();
    EXPECT_EQ(bytes[10], 0x99);
    EXPECT_EQ(bytes[11], 11);
    EXPECT_EQ(selection(), (ByteRange{10, 10}));
}

TEST_F(HexEditClipboard, ReadOnlyRefusesPasteAndGraysItsEntry) {
    offerBlock({0xEE});
    editor->SetReadonly(true, true);
    editor->SetCaret(4, true);
    editor->Paste();
    EXPECT_EQ(bytes[4], 4);
    const auto menu = editor->CreateContextMenu();
    EXPECT_FALSE(menuEntry(*menu, kPasteCommand)->isEnabled());
}

TEST_F(HexEditClipboard, MenuEnablesCopyWithASelectionAndPasteWithABlock) {
    QApplication::clipboard()->setText(QStringLiteral("text only"));
    auto menu = editor->CreateContextMenu();
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("Copy"));
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Paste"));
    EXPECT_EQ(menu->actions()[2]->text(), QStringLiteral("CRC"));
    EXPECT_FALSE(menuEntry(*menu, kCopyCommand)->isEnabled());
    EXPECT_FALSE(menuEntry(*menu, kPasteCommand)->isEnabled());
    EXPECT_TRUE(menuEntry(*menu, kCrcCommand)->isEnabled());

    editor->SetSelection(1, 2, false, true);
    offerBlock({1});
    menu = editor->CreateContextMenu();
    EXPECT_TRUE(menuEntry(*menu, kCopyCommand)->isEnabled());
    EXPECT_TRUE(menuEntry(*menu, kPasteCommand)->isEnabled());
}

TEST_F(HexEditClipboard, CrcEntryReportsTheSelectionOrAllData) {
    QSignalSpy crcs(editor.get(), &CHexEditBase::crcCalculated);
    std::copy(kCheckDigits.begin(), kCheckDigits.end(), bytes.begin() + 100);
    editor->SetSelection(100, 108, false, true);
    auto menu = editor->CreateContextMenu();
    menuEntry(*menu, kCrcCommand)->trigger();
    ASSERT_EQ(crcs.count(), 1);
    EXPECT_EQ(crcs.at(0).at(0).toString(), QString(kCheckDigitsCrc32Text));

    std::vector<std::uint8_t> nine(kCheckDigits.begin(), kCheckDigits.end());
    editor->SetDataPtr(nine.data(), 9, true);
    editor->ShowCrc();
    ASSERT_EQ(crcs.count(), 2);
    EXPECT_EQ(crcs.at(1).at(0).toString(), QString(kCheckDigitsCrc32Text));
    editor->SetDataPtr(nullptr, 0, false);
}

TEST_F(HexEditClipboard, RightClickOutsideTheSelectionMovesTheCaret) {
    editor->SetSelection(0, 3, false, true);
    // Inside the selection: kept.
    const QPoint insideAt = digitPoint(2, true);
    QContextMenuEvent inside(QContextMenuEvent::Mouse, insideAt,
                             editor->viewport()->mapToGlobal(insideAt));
    closeMenuOnceShown();
    QApplication::sendEvent(editor->viewport(), &inside);
    EXPECT_EQ(selection(), (ByteRange{0, 3}));

    const QPoint outsideAt = digitPoint(20, false);
    QContextMenuEvent outside(QContextMenuEvent::Mouse, outsideAt,
                              editor->viewport()->mapToGlobal(outsideAt));
    closeMenuOnceShown();
    QApplication::sendEvent(editor->viewport(), &outside);
    EXPECT_FALSE(editor->HasSelection());
    EXPECT_EQ(editor->caret(), 20u);
    EXPECT_TRUE(editor->isHighDigit());
}

TEST_F(HexEditClipboard, MenuKeyOpensAtTheTopLeftKeepingCaretAndSelection) {
    editor->SetSelection(40, 43, false, true);
    editor->SetCaret(50, false);
    QPoint shownAt;
    QTimer::singleShot(0, [&shownAt] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            shownAt = popup->pos();
            popup->close();
        }
    });
    const QPoint somewhere(300, 200);
    QContextMenuEvent fromKeyboard(QContextMenuEvent::Keyboard, somewhere,
                                   editor->mapToGlobal(somewhere));
    QApplication::sendEvent(editor.get(), &fromKeyboard);
    EXPECT_EQ(shownAt, editor->viewport()->mapToGlobal(QPoint(5, 5)));
    EXPECT_EQ(selection(), (ByteRange{40, 43}));
    EXPECT_EQ(editor->caret(), 50u);
    EXPECT_FALSE(editor->isHighDigit());
}

}  // namespace
}  // namespace veldrix::test
