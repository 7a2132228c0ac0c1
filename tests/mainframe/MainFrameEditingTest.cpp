// The editor's undo and redo, go to address and find, driven through the
// main window as a user does: keys, menu commands and their dialogs.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <fstream>

#include "DialogProbe.h"
#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "frame/FrameCommandIds.h"
#include "frame/ProgramDialogs.h"
#include "hexedit/HexClipboard.h"

namespace veldrix::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class MainFrameEditing : public MainFrameFixture {
protected:
    void startOnSimulator() {
        storeSimulatorChoice();
        start(programDialogs());
        mainEditor().setFocus();
    }

    [[nodiscard]] Bytes image() {
        const DataBuffer& buffer = engine().buffer();
        return {buffer.data(), buffer.data() + buffer.length()};
    }

    // Keys reach the window's commands once it is active again after a dialog.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
        QTest::keyClick(&mainEditor(), key, modifiers);
    }
    void ctrl(Qt::Key key, Qt::KeyboardModifiers more = Qt::NoModifier) {
        press(key, Qt::ControlModifier | more);
    }

    static void putOnClipboard(const Bytes& bytes) {
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(kBinaryDataMime), binaryBlock(bytes));
        QApplication::clipboard()->setMimeData(data);
    }

    [[nodiscard]] std::pair<std::uint32_t, std::uint32_t> selection() {
        std::uint32_t start = kNoIndex;
        std::uint32_t end = kNoIndex;
        mainEditor().GetSelection(start, end);
        return {start, end};
    }

    // The text of the next message box, which is closed.
    static void captureBox(QString& text) {
        onNextModal([&text](QWidget& box) {
            text = box.findChild<QPlainTextEdit*>()->toPlainText();
            box.close();
        });
    }
};

TEST_F(MainFrameEditing, TypingFillPasteAndReadAreUndoneAndRedoneStateByState) {
    startOnSimulator();
    ASSERT_EQ(engine().buffer().length(), 65536u);
    EXPECT_FALSE(action(cmd::kUndo)->isEnabled());
    EXPECT_FALSE(action(cmd::kRedo)->isEnabled());
    std::vector<Bytes> states{image()};

    QTest::keyClicks(&mainEditor(), "A53C");  // two bytes typed: two steps
    ASSERT_EQ(engine().buffer().data()[0], 0xA5);
    ASSERT_EQ(engine().buffer().data()[1], 0x3C);
    // The first byte alone, as the user saw it after typing it.
    Bytes firstByte = states.front();
    firstByte[0] = 0xA5;
    states.push_back(firstByte);
    states.push_back(image());
    EXPECT_TRUE(action(cmd::kUndo)->isEnabled());

    answerValueDialog("90");
    frame().execute(cmd::kFillBuffer);
    ASSERT_EQ(engine().buffer().data()[100], 90);
    states.push_back(image());

    putOnClipboard({0xDE, 0xAD, 0xBE, 0xEF});
    mainEditor().SetSelection(0x1230, 0x1230, false, true);
    frame().execute(cmd::kPaste);
    ASSERT_EQ(engine().buffer().data()[0x1233], 0xEF);
    states.push_back(image());

    press(Qt::Key_F5, Qt::NoModifier);  // the erased chip on the simulated board
    ASSERT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    ASSERT_NE(image(), states.back());
    states.push_back(image());

    for (std::size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(action(cmd::kUndo)->isEnabled()) << i;
        // Both keys of Undo take one step each.
        if (i % 2 == 0) {
            ctrl(Qt::Key_Z);
        } else {
            press(Qt::Key_Backspace, Qt::AltModifier);
        }
        EXPECT_TRUE(image() == states[i]) << "undone to state " << i;
        EXPECT_TRUE(action(cmd::kRedo)->isEnabled());
        if (i == 3) {
            // The paste undone: the caret is on its first byte.
            EXPECT_EQ(mainEditor().caret(), 0x1230u);
        }
    }
    EXPECT_FALSE(action(cmd::kUndo)->isEnabled());

    for (std::size_t i = 1; i < states.size(); ++i) {
        if (i % 2 == 0) {
            ctrl(Qt::Key_Y);
        } else {
            ctrl(Qt::Key_Z, Qt::ShiftModifier);
        }
        EXPECT_TRUE(image() == states[i]) << "redone to state " << i;
    }
    EXPECT_FALSE(action(cmd::kRedo)->isEnabled());
    // Cut stays off: the editor never changes the data's length.
    EXPECT_FALSE(action(cmd::kCut)->isEnabled());
}

TEST_F(MainFrameEditing, OpenOpenBlockAndTheBufferToolsAreEachOneStep) {
    startOnSimulator();
    const std::string file = dir.write("image.bin", std::string(300, 'x'));
    const std::string block = dir.write("block.bin", "ABCD");
    for (int id :
         {cmd::kOpen, cmd::kOpenBlock, cmd::kInitBuffer, cmd::kXorBuffer, cmd::kSwapBytes}) {
        SCOPED_TRACE(id);
        engine().buffer().data()[0] = 0x12;
        engine().buffer().data()[0x41] = 0x34;
        const Bytes before = image();
        switch (id) {
            case cmd::kOpen:
                files->answers.push_back(QString::fromStdString(file));
                break;
            case cmd::kOpenBlock:
                mainEditor().SetSelection(0x40, 0x43, false, true);
                files->answers.push_back(QString::fromStdString(block));
                break;
            case cmd::kXorBuffer:
                answerValueDialog("255");
                break;
            default:
                break;
        }
        frame().execute(id);
        const Bytes after = image();
        ASSERT_NE(after, before);
        frame().execute(cmd::kUndo);
        EXPECT_TRUE(image() == before);
        frame().execute(cmd::kRedo);
        EXPECT_TRUE(image() == after);
    }
}

TEST_F(MainFrameEditing, UndoShowsTheChangeInTheEditorThatHoldsItAndANewChipEndsTheHistory) {
    startOnSimulator();
    dlldata& block = engine().callBlock();
    block.eepofs = block.size;
    block.eeplen = 64;
    engine().buffer().SetBuffers();
    const std::size_t second = block.eepofs + 9;
    ASSERT_EQ(engine().buffer().data()[second], 0xFF);

    secondEditor().setFocus();
    secondEditor().SetCaret(9, true);
    QTest::keyClicks(&secondEditor(), "12");
    ASSERT_EQ(engine().buffer().data()[second], 0x12);
    mainEditor().setFocus();
    mainEditor().SetCaret(40, true);

    ctrl(Qt::Key_Z);
    EXPECT_EQ(engine().buffer().data()[second], 0xFF);
    EXPECT_TRUE(secondEditor().hasFocus());
    EXPECT_EQ(secondEditor().caret(), 9u);

    // Another image: what was done to the old one cannot be put back into it.
    ctrl(Qt::Key_Y);
    engine().buffer().SetBuffers();
    frame().updateCommandStates();
    EXPECT_FALSE(action(cmd::kUndo)->isEnabled());
    EXPECT_FALSE(action(cmd::kRedo)->isEnabled());
}

TEST_F(MainFrameEditing, GoToTakesTheProgramsNumbersAndRefusesAddressesOutsideTheData) {
    startOnSimulator();
    QString refusal;
    QString keptText;
    onNextModal([&](QWidget& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>();
        edit->setText(QStringLiteral("0x10000"));
        refusal = refusalOnOk(dialog);
        keptText = edit->text();
        edit->setText(QStringLiteral("1234h"));
        click(dialog, QStringLiteral("OK"));
    });
    ctrl(Qt::Key_G);
    EXPECT_EQ(refusal, "Address 10000 is outside the data (0 to FFFF)");
    EXPECT_EQ(keptText, "0x10000");
    EXPECT_EQ(mainEditor().caret(), 0x1234u);
    EXPECT_EQ(pane("paneAddress"), "00001234");
    // Scrolled to it: the row of the caret is on the screen.
    const std::uint32_t row = 0x1234 / 16;
    EXPECT_LE(mainEditor().topRow(), row);
    EXPECT_GT(mainEditor().topRow() + 40, row);

    onNextModal([](QWidget& dialog) {
        dialog.findChild<QLineEdit*>()->setText(QStringLiteral("$20"));
        click(dialog, QStringLiteral("OK"));
    });
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    action(cmd::kGoToAddress)->trigger();
    EXPECT_EQ(mainEditor().caret(), 0x20u);

    // Cancel leaves the caret where it is.
    onNextModal([](QWidget& dialog) { click(dialog, QStringLiteral("Cancel")); });
    ctrl(Qt::Key_G);
    EXPECT_EQ(mainEditor().caret(), 0x20u);
}

TEST_F(MainFrameEditing, FindSelectsMatchesBothWaysAndSaysWhenItWraps) {
    startOnSimulator();
    std::uint8_t* data = engine().buffer().data();
    for (std::size_t at : {std::size_t{0x100}, std::size_t{0x2000}}) {
        const Bytes pattern{0xDE, 0xAD, 0xBE, 0xEF};
        std::copy(pattern.begin(), pattern.end(), data + at);
    }
    std::copy_n("chip ID", 7, data + 0x3000);
    mainEditor().SetCaret(0x200, true);

    onNextModal([](QWidget& dialog) {
        named<QLineEdit>(dialog, "findText")->setText(QStringLiteral("de ad be ef"));
        click(dialog, QStringLiteral("&Next"));
    });
    ctrl(Qt::Key_F);
    EXPECT_EQ(selection(), std::make_pair(0x2000u, 0x2003u));

    // Ctrl+F3 again: round the end to the first match.
    ctrl(Qt::Key_F3);
    EXPECT_EQ(selection(), std::make_pair(0x100u, 0x103u));
    EXPECT_TRUE(statusShows("Search wrapped: continued from the start"));
    ctrl(Qt::Key_F3);
    EXPECT_EQ(selection(), std::make_pair(0x2000u, 0x2003u));
    EXPECT_EQ(pane("paneMessage"), "");  // no wrap this time
    ctrl(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selection(), std::make_pair(0x100u, 0x103u));
    ctrl(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selection(), std::make_pair(0x2000u, 0x2003u));
    EXPECT_TRUE(statusShows("Search wrapped: continued from the end"));

    // Text, found backward from the dialog; the dialog shows the last search.
    QString shownAgain;
    onNextModal([&](QWidget& dialog) {
        auto* text = named<QLineEdit>(dialog, "findText");
        shownAgain = text->text();
        text->setText(QStringLiteral("chip ID"));
        named<QRadioButton>(dialog, "findAsText")->setChecked(true);
        click(dialog, QStringLiteral("&Previous"));
    });
    ctrl(Qt::Key_F);
    EXPECT_EQ(shownAgain, "de ad be ef");
    EXPECT_EQ(selection(), std::make_pair(0x3000u, 0x3006u));

    // Hex that is no bytes is refused in the dialog, which stays open.
    QString refusal;
    onNextModal([&](QWidget& dialog) {
        named<QLineEdit>(dialog, "findText")->setText(QStringLiteral("DE AG"));
        named<QRadioButton>(dialog, "findHexBytes")->setChecked(true);
        onNextModal([&](QWidget& box) {
            refusal = box.findChild<QPlainTextEdit*>()->toPlainText();
            box.close();
        });
        click(dialog, QStringLiteral("&Next"));
        EXPECT_TRUE(dialog.isVisible());
        click(dialog, QStringLiteral("Cancel"));
    });
    ctrl(Qt::Key_F);
    EXPECT_EQ(refusal, "Not a hex digit at position 5");
    EXPECT_EQ(selection(), std::make_pair(0x3000u, 0x3006u));

    // Bytes that are nowhere: a message, and the selection stays.
    QString notFound;
    onNextModal([&](QWidget& dialog) {
        named<QLineEdit>(dialog, "findText")->setText(QStringLiteral("01 02 03 04 05"));
        captureBox(notFound);  // shown once the dialog has gone
        click(dialog, QStringLiteral("&Next"));
    });
    ctrl(Qt::Key_F);
    EXPECT_EQ(notFound, "Not found: 01 02 03 04 05");
    EXPECT_EQ(selection(), std::make_pair(0x3000u, 0x3006u));
}

}  // namespace
}  // namespace veldrix::test
