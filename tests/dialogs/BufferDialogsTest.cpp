// The dialogs that act on the data buffer: General Options (the split view)
// and the value dialog of Fill buffer and Xor buffer.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "DialogProbe.h"
#include "FakeEditorView.h"
#include "ModalDialogs.h"
#include "buffer/ToolValue.h"
#include "dialogs/BufferToolCommands.h"
#include "dialogs/GeneralOptionsDialog.h"
#include "dialogs/RefusedField.h"
#include "dialogs/ValueDialog.h"

namespace veldrix::test {
namespace {

const QString kSplit = QStringLiteral("Split EEPROM\\FLASH area");

// A chip of 64 KB whose module declares 512 bytes of EEPROM behind it.
class BufferDialogsTest : public ::testing::Test {
protected:
    BufferDialogsTest() {
        block.size = 0x10000;
        block.eepofs = 0x10000;
        block.eeplen = 0x200;
        block.blank = 0xFF;
        buffer.setEditors(&mainView, &secondView);
        buffer.setLayoutListener([this] { ++layouts; });
        buffer.SetBuffers();
    }

    void runGeneral(const std::function<void(QWidget& dialog)>& action) {
        onNextModal(action);
        RunGeneralOptions(settings, buffer, nullptr);
    }

    static void toggle(QWidget& dialog, const QString& box) {
        if (QAbstractButton* check = labelled<QCheckBox>(dialog, box)) {
            check->click();
        }
    }

    dlldata block{};
    DataBuffer buffer{block};
    FakeEditorView mainView;
    FakeEditorView secondView;
    int layouts = 0;
    GeneralSettings settings;
};

TEST_F(BufferDialogsTest, GeneralOptionsShowAndStoreEveryFlag) {
    const std::vector<QString> boxes = {
        "Force write",         "Write check", "Conformation",          "Mark clear after operation",
        "Test chip insertion", kSplit,        "Read twice and compare"};
    runGeneral([&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("General Options"));
        std::vector<bool> shown;
        for (const QString& box : boxes) {
            shown.push_back(labelled<QCheckBox>(dialog, box)->isChecked());
            toggle(dialog, box);
        }
        EXPECT_EQ(shown, (std::vector<bool>{true, true, true, false, true, true, false}));
        click(dialog, QStringLiteral("OK"));
    });
    EXPECT_EQ(settings.forcewr, 0);
    EXPECT_EQ(settings.checkwr, 0);
    EXPECT_EQ(settings.conformation, 0);
    EXPECT_EQ(settings.markclear, 1);
    EXPECT_EQ(settings.testins, 0);
    EXPECT_EQ(settings.EepSplit, 0);
    EXPECT_EQ(settings.readtwice, 1);

    runGeneral([&](QWidget& dialog) {
        toggle(dialog, QStringLiteral("Force write"));
        click(dialog, QStringLiteral("Cancel"));
    });
    EXPECT_EQ(settings.forcewr, 0);
}

// The split view changes the editors at once; closing the dialog either way
// attaches the buffer again, which clears the marks and lays out anew.
TEST_F(BufferDialogsTest, TheSplitViewTakesEffectAsTheDialogCloses) {
    ASSERT_EQ(mainView.length, 0x10000u);
    ASSERT_EQ(secondView.length, 0x200u);
    const int layoutsBefore = layouts;
    runGeneral([](QWidget& dialog) {
        toggle(dialog, kSplit);
        click(dialog, QStringLiteral("OK"));
    });
    EXPECT_EQ(mainView.length, 0x10200u);
    EXPECT_EQ(secondView.length, 0u);
    EXPECT_EQ(layouts, layoutsBefore + 1);

    mainView.setMark(3, true);
    runGeneral([](QWidget& dialog) {
        toggle(dialog, kSplit);
        click(dialog, QStringLiteral("Cancel"));
    });
    EXPECT_EQ(mainView.length, 0x10200u);
    EXPECT_EQ(mainView.markedCount(), 0u);
    EXPECT_EQ(layouts, layoutsBefore + 2);

    runGeneral([](QWidget& dialog) {
        toggle(dialog, kSplit);
        click(dialog, QStringLiteral("OK"));
    });
    EXPECT_EQ(mainView.length, 0x10000u);
    EXPECT_EQ(secondView.length, 0x200u);
    EXPECT_EQ(secondView.addressOffset, 0x10000u);
}

TEST_F(BufferDialogsTest, TheValueDialogTakesOnlyAByte) {
    for (const auto& [text, expected] :
         std::vector<std::pair<QString, int>>{{"0", 0}, {"255", 255}, {" 17 ", 17}}) {
        // clang 14 cannot capture a structured binding in a lambda.
        const QString typed = text;
        onNextModal([&](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Buffer"));
            EXPECT_EQ(dialog.findChild<QLabel*>()->text(), QStringLiteral("Xor"));
            auto* edit = dialog.findChild<QLineEdit*>();
            EXPECT_EQ(edit->text(), QStringLiteral("0"));
            edit->setText(typed);
            click(dialog, QStringLiteral("OK"));
        });
        EXPECT_EQ(RunValueDialog(QStringLiteral("Xor"), Language::English, nullptr), expected);
    }

    onNextModal([](QWidget& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>();
        for (const char* text : {"256", "FF", ""}) {
            edit->setText(QString::fromLatin1(text));
            const QString reason = refusalOnOk(dialog);
            EXPECT_TRUE(dialog.isVisible()) << text;
            EXPECT_EQ(reason, QString::fromLatin1(kToolValueRefused)) << text;
            EXPECT_TRUE(isRefused(*edit));
        }
        QTest::keyClicks(edit, QStringLiteral("9"));
        EXPECT_FALSE(isRefused(*edit));
        click(dialog, QStringLiteral("OK"));
    });
    EXPECT_EQ(RunValueDialog(QStringLiteral("Fill"), Language::English, nullptr), 9);

    onNextModal([](QWidget& dialog) { click(dialog, QStringLiteral("Cancel")); });
    EXPECT_EQ(RunValueDialog(QStringLiteral("Fill"), Language::English, nullptr), std::nullopt);
}

// Cancel: Fill leaves everything; Xor still clears the marks and asks for
// the refocus.
TEST_F(BufferDialogsTest, FillAndXorAfterTheirValueDialog) {
    mainView.setMark(1, true);
    answerValueDialog(nullptr);
    EXPECT_FALSE(RunFillBuffer(buffer, Language::English, nullptr));
    EXPECT_EQ(buffer.data()[0], 0xFF);
    answerValueDialog("90");
    EXPECT_TRUE(RunFillBuffer(buffer, Language::English, nullptr));
    EXPECT_EQ(buffer.data()[0], 90);
    EXPECT_EQ(buffer.data()[0x101FF], 90);
    EXPECT_EQ(mainView.markedCount(), 1u);

    answerValueDialog(nullptr);
    EXPECT_TRUE(RunXorBuffer(buffer, Language::English, nullptr));
    EXPECT_EQ(buffer.data()[0], 90);
    EXPECT_EQ(mainView.markedCount(), 0u);
    answerValueDialog("255");
    EXPECT_TRUE(RunXorBuffer(buffer, Language::English, nullptr));
    EXPECT_EQ(buffer.data()[0x101FF], 90 ^ 0xFF);
}

TEST_F(BufferDialogsTest, WithoutAnImageNoValueIsAskedFor) {
    buffer.release();
    const NoModalExpected noDialog;
    EXPECT_FALSE(RunFillBuffer(buffer, Language::English, nullptr));
    EXPECT_FALSE(RunXorBuffer(buffer, Language::English, nullptr));
}

}  // namespace
}  // namespace veldrix::test
