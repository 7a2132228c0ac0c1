#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "ModalDialogs.h"
#include "dialogs/MessageBoxDialog.h"
#include "dialogs/ProgressWindow.h"
#include "dlldata.h"

namespace veldrix::test {
namespace {

QStringList captionsOf(QWidget& box) {
    QStringList captions;
    for (const QPushButton* button : box.findChildren<QPushButton*>()) {
        captions << button->text();
    }
    return captions;
}

QPushButton* buttonCalled(QWidget& box, const QString& caption) {
    for (QPushButton* button : box.findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    ADD_FAILURE() << "no button " << caption.toStdString();
    return nullptr;
}

struct StyleCase {
    std::uint32_t style;
    QStringList captions;
    std::vector<std::uint32_t> ids;
};

TEST(MessageBox, EachStyleOffersItsButtonsAndReturnsTheOnePressed) {
    const std::vector<StyleCase> cases{
        {DD_MB_OK, {"OK"}, {DD_IDOK}},
        {DD_MB_OKCANCEL, {"OK", "Cancel"}, {DD_IDOK, DD_IDCANCEL}},
        {DD_MB_ABORTRETRYIGNORE,
         {"Abort", "Retry", "Ignore"},
         {DD_IDABORT, DD_IDRETRY, DD_IDIGNORE}},
        {DD_MB_YESNOCANCEL, {"Yes", "No", "Cancel"}, {DD_IDYES, DD_IDNO, DD_IDCANCEL}},
        {DD_MB_YESNO | DD_MB_ICONEXCLAMATION, {"Yes", "No"}, {DD_IDYES, DD_IDNO}},
        {DD_MB_RETRYCANCEL, {"Retry", "Cancel"}, {DD_IDRETRY, DD_IDCANCEL}},
    };
    for (const StyleCase& c : cases) {
        for (std::size_t pressed = 0; pressed < c.ids.size(); ++pressed) {
            onNextModal([&](QWidget& box) {
                EXPECT_EQ(captionsOf(box), c.captions) << "style " << c.style;
                if (QPushButton* button = buttonCalled(box, c.captions[pressed])) {
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            });
            EXPECT_EQ(showMessageBox(c.style, "Question?", Language::English, nullptr),
                      c.ids[pressed])
                << "style " << c.style << " button " << pressed;
        }
    }
}

TEST(MessageBox, EscAndTheCloseBoxReturnCancelAlsoWithoutButtons) {
    for (const std::uint32_t style : {DD_MB_OK, DD_MB_YESNO, DD_MB_ABORTRETRYIGNORE, 6u, 15u}) {
        onNextModal([&](QWidget& box) {
            if (style >= 6) {
                EXPECT_TRUE(captionsOf(box).isEmpty());
            }
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        EXPECT_EQ(showMessageBox(style, "text", Language::English, nullptr), DD_IDCANCEL);

        onNextModal([](QWidget& box) { box.close(); });
        EXPECT_EQ(showMessageBox(style, "text", Language::English, nullptr), DD_IDCANCEL);
    }
}

TEST(MessageBox, ButtonCaptionsFollowTheLanguage) {
    onNextModal([](QWidget& box) {
        EXPECT_EQ(captionsOf(box), (QStringList{"Да", "Нет", "Отмена"}));
        box.close();
    });
    showMessageBox(DD_MB_YESNOCANCEL, "Вы уверены?", Language::Russian, nullptr);
    onNextModal([](QWidget& box) {
        EXPECT_EQ(captionsOf(box), (QStringList{"ОК", "Отмена"}));
        box.close();
    });
    showMessageBox(DD_MB_OKCANCEL, "Вы уверены?", Language::Russian, nullptr);
}

TEST(MessageBox, TextIsReadOnlySelectableAndShownWithPlainLineBreaks) {
    const std::string text = "Error Write 0105\r\nAddress:0000000C\r\n\r\nIC:  005A";
    onNextModal([](QWidget& box) {
        EXPECT_EQ(box.windowTitle(), QStringLiteral("VELDRIX"));
        auto* edit = box.findChild<QPlainTextEdit*>();
        ASSERT_NE(edit, nullptr);
        EXPECT_TRUE(edit->isReadOnly());
        EXPECT_TRUE(edit->textInteractionFlags() & Qt::TextSelectableByMouse);
        EXPECT_EQ(edit->toPlainText(),
                  QStringLiteral("Error Write 0105\nAddress:0000000C\n\nIC:  005A"));
        // The button has the focus, so Enter answers the box.
        EXPECT_TRUE(qobject_cast<QPushButton*>(box.focusWidget()) != nullptr);
        box.close();
    });
    showMessageBox(0x30, text, Language::English, nullptr);
}

TEST(MessageBox, ALongTextIsCutAndTheBoxStillFitsOnTheScreen) {
    const std::string text(5000, 'x');
    onNextModal([](QWidget& box) {
        auto* edit = box.findChild<QPlainTextEdit*>();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->toPlainText().size(), 511);
        box.close();
    });
    showMessageBox(DD_MB_OK, text, Language::English, nullptr);
}

TEST(MessageBox, OpensAboveTheModalWindowOnTopAndGivesTheActivationBack) {
    QWidget main;
    main.setObjectName(QStringLiteral("main"));
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));

    // Before the progress window: over the fallback, the main window.
    EXPECT_EQ(messageBoxParent(&main), &main);
    EXPECT_EQ(messageBoxParent(nullptr), nullptr);

    ProgressWindow progress(&main, 100, QPoint(-1, -1));
    progress.showModal();
    ASSERT_EQ(QApplication::activeModalWidget(), &progress);
    QWidget* parent = messageBoxParent(&main);
    EXPECT_EQ(parent, &progress);

    ASSERT_TRUE(QTest::qWaitForWindowActive(&progress));
    onNextModal([&](QWidget& box) {
        EXPECT_EQ(box.parentWidget(), &progress);
        EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
        box.close();
    });
    showMessageBox(DD_MB_OK, "from a module", Language::English, parent);
    // The box is gone; the progress window is the modal window again and
    // has the activation back.
    EXPECT_EQ(QApplication::activeModalWidget(), &progress);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&progress));
}

}  // namespace
}  // namespace veldrix::test
