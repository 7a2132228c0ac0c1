// The Advanced Options dialog on calypso's keys: WrAlg (D), Vccp (D),
// Vccv (D), Tpw (D), Nnum (D), Nmul (d); algorithms "Fast 100us" and
// "Slow 1ms".

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "ApplicationRig.h"
#include "DialogProbe.h"
#include "ModalDialogs.h"
#include "dialogs/AdvancedOptionsDialog.h"
#include "dialogs/RefusedField.h"

namespace veldrix::test {
namespace {

enum Key { kWrAlg, kVccp, kVccv, kTpw, kNnum, kNmul };

class AdvancedOptionsDialogTest : public ::testing::Test, public ApplicationRig {
protected:
    AdvancedOptionsDialogTest() : ApplicationRig(VELDRIX_TEST_BASE_DIR) {}

    // The edits in row order (the list is no edit).
    static QList<QLineEdit*> edits(QWidget& dialog) { return dialog.findChildren<QLineEdit*>(); }
    static QStringList texts(QWidget& dialog) {
        QStringList shown;
        for (const QLineEdit* edit : edits(dialog)) {
            shown << edit->text();
        }
        return shown;
    }
    static void type(QLineEdit& edit, const QString& text) {
        edit.selectAll();
        QTest::keyClicks(&edit, text);
    }
    [[nodiscard]] std::uint32_t key(Key index) const { return app->callBlock().keys[index].value; }

    std::unique_ptr<Application> app = startOnSimulator(StatusDelivery::Immediate);
};

TEST_F(AdvancedOptionsDialogTest, ARowPerKeyWithTheAlgorithmsInAList) {
    onNextModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Advanced Options"));
        QStringList labels;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            labels << label->text();
        }
        EXPECT_EQ(labels, (QStringList{"WrAlg (D)", "Vccp (D)", "Vccv (D)", "Tpw (D)", "Nnum (D)",
                                       "Nmul (d)"}));
        auto* list = dialog.findChild<QComboBox*>();
        ASSERT_NE(list, nullptr);
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->count(), 2);
        EXPECT_EQ(list->currentText(), QStringLiteral("Fast 100us"));
        // The closed list is as tall as an edit, not as its drop-down, and
        // wide enough for its names, within the dialog.
        EXPECT_LT(list->height(), 2 * edits(dialog).front()->height());
        EXPECT_GE(list->width(), list->sizeHint().width());
        EXPECT_LT(list->geometry().right(), dialog.width());
        EXPECT_EQ(texts(dialog), (QStringList{"50", "45", "100", "25", "1"}));
        const QList<QLineEdit*> all = edits(dialog);
        EXPECT_FALSE(all.back()->isEnabled());  // Nmul: lower-case kind
        for (int i = 0; i + 1 < all.size(); ++i) {
            EXPECT_TRUE(all[i]->isEnabled()) << i;
            EXPECT_EQ(all[i]->alignment() & Qt::AlignRight, Qt::AlignRight);
        }
        click(dialog, QStringLiteral("Cancel"));
    });
    EXPECT_TRUE(RunAdvancedOptions(*app, nullptr));
}

TEST_F(AdvancedOptionsDialogTest, AnotherAlgorithmShowsItsValuesAndCancelRestoresAll) {
    for (const bool closeBox : {false, true}) {
        onNextModal([&](QWidget& dialog) {
            auto* list = dialog.findChild<QComboBox*>();
            ASSERT_NE(list, nullptr);
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            EXPECT_EQ(list->currentText(), QStringLiteral("Slow 1ms"));
            EXPECT_EQ(texts(dialog), (QStringList{"60", "45", "1000", "25", "3"}));
            EXPECT_EQ(app->callBlock().wralg, 2);
            if (closeBox) {
                dialog.close();
            } else {
                click(dialog, QStringLiteral("Cancel"));
            }
        });
        EXPECT_TRUE(RunAdvancedOptions(*app, nullptr));
        EXPECT_EQ(app->callBlock().wralg, 1) << closeBox;
        EXPECT_EQ(key(kWrAlg), 1u);
        EXPECT_EQ(key(kTpw), 100u);
        EXPECT_EQ(key(kVccp), 50u);
        EXPECT_EQ(key(kNmul), 1u);
    }
}

TEST_F(AdvancedOptionsDialogTest, OkAppliesTheEditsInEveryNumberForm) {
    onNextModal([&](QWidget& dialog) {
        type(*edits(dialog)[kTpw - 1], QStringLiteral("0x1F4"));
        type(*edits(dialog)[kNnum - 1], QStringLiteral("$10"));
        click(dialog, QStringLiteral("OK"));
    });
    EXPECT_TRUE(RunAdvancedOptions(*app, nullptr));
    EXPECT_EQ(key(kTpw), 500u);
    EXPECT_EQ(key(kNnum), 16u);
    EXPECT_EQ(key(kVccp), 50u);
}

// A value that is not one whole 32-bit constant is refused: the box says
// why, the field is marked and focused, nothing reaches the keys, and the
// dialog stays open until the value is put right.
TEST_F(AdvancedOptionsDialogTest, AMalformedValueIsRefusedAndMarked) {
    onNextModal([&](QWidget& dialog) {
        QLineEdit* vccp = edits(dialog)[kVccp - 1];
        QLineEdit* tpw = edits(dialog)[kTpw - 1];
        type(*vccp, QStringLiteral("55"));
        type(*tpw, QStringLiteral("1Z"));
        const QString reason = refusalOnOk(dialog);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(reason.startsWith(QStringLiteral("Tpw (D): \"1Z\""))) << reason.toStdString();
        EXPECT_TRUE(isRefused(*tpw));
        EXPECT_FALSE(isRefused(*vccp));
        EXPECT_EQ(dialog.focusWidget(), tpw);
        EXPECT_EQ(key(kTpw), 100u);
        EXPECT_EQ(key(kVccp), 50u);

        type(*tpw, QStringLiteral("4294967296"));
        EXPECT_TRUE(refusalOnOk(dialog).contains(QStringLiteral("4294967296")));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(key(kTpw), 100u);

        type(*tpw, QStringLiteral("2000"));
        EXPECT_FALSE(isRefused(*tpw));
        click(dialog, QStringLiteral("OK"));
    });
    EXPECT_TRUE(RunAdvancedOptions(*app, nullptr));
    EXPECT_EQ(key(kTpw), 2000u);
    EXPECT_EQ(key(kVccp), 55u);
}

TEST_F(AdvancedOptionsDialogTest, WithoutKeysThereIsNoDialog) {
    app->modules().releaseModule();
    const NoModalExpected noDialog;
    EXPECT_FALSE(RunAdvancedOptions(*app, nullptr));
    EXPECT_EQ(ui_.statusMessages.back(), "No Advanced Options");
}

}  // namespace
}  // namespace veldrix::test
