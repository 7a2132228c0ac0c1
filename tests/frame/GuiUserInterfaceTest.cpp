#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "FakeFrame.h"
#include "ModalDialogs.h"
#include "TempDir.h"
#include "core/SettingsStore.h"
#include "dialogs/CDynDialogEx.h"
#include "dlldata.h"
#include "frame/GuiUserInterface.h"

namespace veldrix::test {
namespace {

using PaneText = FakeFrame::PaneText;

TEST(GuiUserInterface, PanesAndTitleReachTheMainWindowOnlyWhileThereIsOne) {
    GuiUserInterface ui;
    FakeFrame frame;
    ui.setPaneText(Pane::Chip, "W27C512");  // before the main window: nowhere to show it
    ui.refreshTitle();
    ui.setFrameView(&frame);
    ui.setPaneText(Pane::Size, "size: 64Kx8");
    ui.setPaneText(Pane::Vpp, "Vpp:12.0");
    ui.refreshTitle();
    ui.setFrameView(nullptr);
    ui.setPaneText(Pane::Message, "Ready");
    EXPECT_EQ(frame.panes,
              (std::vector<PaneText>{{Pane::Size, "size: 64Kx8"}, {Pane::Vpp, "Vpp:12.0"}}));
    EXPECT_EQ(frame.titleRefreshes, 1);
}

TEST(GuiUserInterface, FocusIsTakenAroundAModuleCallAndGivenBack) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    second->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), second);

    GuiUserInterface ui;
    ui.takeFocus();
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
    ui.giveFocusBack();
    EXPECT_EQ(QApplication::focusWidget(), second);

    // The window that had it may be gone by then.
    ui.takeFocus();
    delete second;
    ui.giveFocusBack();
    EXPECT_EQ(QApplication::focusWidget(), nullptr);
}

TEST(GuiUserInterface, MessageBoxesFollowTheStoredLanguageAndOpenOverTheMainWindow) {
    TempDir dir;
    SettingsStore settings = SettingsStore::openFile(QString::fromStdString(dir.file("v.ini")));
    GuiUserInterface ui;
    FakeFrame frame;

    // Before anything is bound, as at start-up: English, no parent.
    onNextModal([](QWidget& box) {
        EXPECT_EQ(box.parentWidget(), nullptr);
        EXPECT_EQ(box.findChildren<QPushButton*>().at(1)->text(), QStringLiteral("Cancel"));
        box.findChildren<QPushButton*>().at(0)->click();
    });
    EXPECT_EQ(ui.messageBox(DD_MB_OKCANCEL, "first"), DD_IDOK);

    settings.settings().main.language = Language::Russian;
    ui.bind(settings, {});
    ui.setFrameView(&frame);
    onNextModal([&](QWidget& box) {
        EXPECT_EQ(box.parentWidget(), &frame.window);
        EXPECT_EQ(box.findChildren<QPushButton*>().at(1)->text(), QStringLiteral("Отмена"));
        box.findChildren<QPushButton*>().at(1)->click();
    });
    EXPECT_EQ(ui.messageBox(DD_MB_OKCANCEL, "Вы уверены?"), DD_IDCANCEL);
}

TEST(GuiUserInterface, DialogBuilderFailuresAreShownInItsMessageBox) {
    GuiUserInterface ui;
    CDynDialogEx dialog;
    dialog.AddControl(QStringLiteral("NoSuchClass"), "", 0x50000000);
    QString reported;
    onNextModal([&](QWidget& box) {
        reported = box.findChild<QPlainTextEdit*>()->toPlainText();
        onNextModal([](QWidget& opened) { opened.close(); });  // the dialog, next
        box.close();
    });
    dialog.DoModal();
    EXPECT_EQ(reported, QStringLiteral("Failed to create DlgItem."));
}

}  // namespace
}  // namespace veldrix::test
