// The chip selection window on the engine, the simulated board and the
// build tree's modules.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ApplicationRig.h"
#include "DialogProbe.h"
#include "ModalDialogs.h"
#include "dialogs/DeviceWnd.h"
#include "frame/UiTranslators.h"
#include "vxsim.h"

namespace veldrix::test {
namespace {

class ChipWindowTest : public ::testing::Test, public ApplicationRig {
protected:
    ChipWindowTest() : ApplicationRig(VELDRIX_TEST_BASE_DIR) {
        main.move(200, 150);
        main.show();
    }

    // Runs the window; `action` gets it open, looking at the saved chip.
    ChipSelectionResult run(const std::function<void(QWidget& window)>& action) {
        onNextModal(action);
        return RunChipSelection(*app, &main);
    }

    static void chooseModule(QWidget& window, const char* name) {
        auto* modules = named<QListWidget>(window, "modules");
        const int row = rowOf(*modules, QString::fromLatin1(name));
        ASSERT_GE(row, 0) << name;
        modules->setCurrentRow(row);
    }
    static void chooseChip(QWidget& window, const char* name) {
        auto* chips = named<QListWidget>(window, "chips");
        const int row = rowOf(*chips, QString::fromLatin1(name));
        ASSERT_GE(row, 0) << name;
        chips->setCurrentRow(row);
    }

    // The image holds what the user loaded or edited.
    void editImage() {
        app->buffer().data()[0] = 0x12;
        app->buffer().data()[0xFFFF] = 0x34;
    }
    void expectImageKept() {
        ASSERT_EQ(app->buffer().length(), 0x10000u);
        EXPECT_EQ(app->buffer().data()[0], 0x12);
        EXPECT_EQ(app->buffer().data()[0xFFFF], 0x34);
    }
    void expectCalypsoChipApplied() {
        EXPECT_EQ(app->modules().savedModule(), "calypso");
        EXPECT_EQ(app->modules().savedChip(), "W27C512");
        ASSERT_NE(app->modules().appliedChip(), nullptr);
        EXPECT_EQ(app->modules().appliedChip()->name, "W27C512");
        // The module of the applied chip is the one loaded.
        ASSERT_NE(app->callBlock().about, nullptr);
        EXPECT_EQ(std::string(app->callBlock().about).rfind("calypso", 0), 0u);
    }

    QWidget main;
    std::unique_ptr<Application> app = startOnSimulator(StatusDelivery::Immediate);
};

TEST_F(ChipWindowTest, OpensModalBesideTheMainWindowOnTheSavedChip) {
    run([&](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Select IC"));
        EXPECT_TRUE(window.isModal());
        EXPECT_FALSE(window.windowIcon().isNull());
        EXPECT_EQ(window.pos(), main.pos() + QPoint(100, 70));
        auto* modules = named<QListWidget>(window, "modules");
        EXPECT_EQ(modules->currentItem()->text(), QStringLiteral("calypso"));
        EXPECT_GE(rowOf(*modules, QStringLiteral("thalia")), 0);
        EXPECT_EQ(named<QListWidget>(window, "chips")->currentItem()->text(),
                  QStringLiteral("W27C512"));
        EXPECT_TRUE(named<QPlainTextEdit>(window, "chipInfo")
                        ->toPlainText()
                        .startsWith(QStringLiteral("Chip name:\tW27C512\nManufacture:\tWinbond")));
        click(window, QStringLiteral("Cancel"));
    });
}

TEST_F(ChipWindowTest, OkAppliesTheChipWithAFreshImageAndWritesTheFamilySection) {
    editImage();
    store("Hardware/tessaro/lastmodule", "");
    const ChipSelectionResult result = run([&](QWidget& window) {
        chooseModule(window, "thalia");
        EXPECT_EQ(named<QListWidget>(window, "chips")->item(0)->text(), QStringLiteral("W27C520"));
        chooseChip(window, "W27E520");
        EXPECT_TRUE(named<QPlainTextEdit>(window, "chipInfo")
                        ->toPlainText()
                        .startsWith(QStringLiteral("Chip name:\tW27E520")));
        click(window, QStringLiteral("OK"));
    });
    EXPECT_EQ(result, ChipSelectionResult::Accepted);
    EXPECT_EQ(app->modules().savedModule(), "thalia");
    EXPECT_EQ(app->modules().savedChip(), "W27E520");
    EXPECT_EQ(app->buffer().data()[0], 0xFF);
    EXPECT_EQ(stored("Hardware/tessaro/lastmodule").toString(), "thalia");
    EXPECT_EQ(stored("Hardware/tessaro/lastchip").toString(), "W27E520");
    EXPECT_EQ(app->driver().simulator()->chipKind(), VXSIM_KIND_MUX_EPROM);
}

TEST_F(ChipWindowTest, DoubleClickingAChipAcceptsItLikeOk) {
    const ChipSelectionResult result = run([&](QWidget& window) {
        chooseModule(window, "thalia");
        auto* chips = named<QListWidget>(window, "chips");
        const QRect second = chips->visualItemRect(chips->item(1));
        QTest::mouseClick(chips->viewport(), Qt::LeftButton, {}, second.center());
        QTest::mouseDClick(chips->viewport(), Qt::LeftButton, {}, second.center());
    });
    EXPECT_EQ(result, ChipSelectionResult::Accepted);
    EXPECT_EQ(app->modules().savedModule(), "thalia");
    EXPECT_EQ(app->modules().savedChip(), "W27E520");
}

// Cancel and the title bar's close both put back the module and chip of
// before, and keep the image the user loaded or edited.
TEST_F(ChipWindowTest, CancelAndTheCloseBoxRestoreTheChipAndKeepTheImage) {
    editImage();
    for (const bool closeBox : {false, true}) {
        store("Hardware/tessaro/lastchip", "");
        const ChipSelectionResult result = run([&](QWidget& window) {
            chooseModule(window, "thalia");
            chooseChip(window, "W27E520");
            if (closeBox) {
                window.close();
            } else {
                click(window, QStringLiteral("Cancel"));
            }
        });
        EXPECT_EQ(result, ChipSelectionResult::Cancelled);
        expectCalypsoChipApplied();
        expectImageKept();
        EXPECT_EQ(app->driver().simulator()->chipKind(), VXSIM_KIND_EEPROM);
        EXPECT_EQ(stored("Hardware/tessaro/lastchip").toString(), "W27C512");
    }
}

TEST_F(ChipWindowTest, EnterAndEscapeDoNothingSpecial) {
    run([&](QWidget& window) {
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(window.focusWidget() != nullptr ? window.focusWidget() : &window, key);
            QTest::keyClick(labelled(window, QStringLiteral("OK")), key);
            QCoreApplication::processEvents();
            EXPECT_TRUE(window.isVisible()) << key;
        }
        click(window, QStringLiteral("Cancel"));
    });
    expectCalypsoChipApplied();
}

TEST_F(ChipWindowTest, OpeningItAgainClosesTheOpenOneAsCancel) {
    editImage();
    ChipSelectionResult second = ChipSelectionResult::Accepted;
    const ChipSelectionResult first = run([&](QWidget& window) {
        chooseModule(window, "thalia");
        second = RunChipSelection(*app, &main);
        EXPECT_FALSE(window.isVisible());
    });
    EXPECT_EQ(second, ChipSelectionResult::NotOpened);
    EXPECT_EQ(first, ChipSelectionResult::Cancelled);
    expectCalypsoChipApplied();
    expectImageKept();
}

// The main window takes its command states from the module's flags after
// the window: urania has no Erase.
TEST_F(ChipWindowTest, TheCommandsFollowTheChosenModule) {
    ASSERT_TRUE(app->operations().enabled(Command::Erase));
    run([&](QWidget& window) {
        chooseModule(window, "urania");
        click(window, QStringLiteral("OK"));
    });
    EXPECT_FALSE(app->operations().enabled(Command::Erase));
    EXPECT_TRUE(app->operations().enabled(Command::Read));
}

TEST_F(ChipWindowTest, WindowAndModuleTextsFollowTheLanguage) {
    const std::filesystem::path root = dir_.path() / "modules";
    std::filesystem::create_directories(root / "tessaro");
    for (const char* file : {"calypso.so", "calypso.cfg", "thalia.so", "thalia.cfg"}) {
        std::filesystem::copy_file(
            std::filesystem::path(VELDRIX_TEST_BASE_DIR) / "Modules for 0.04/tessaro" / file,
            root / "tessaro" / file);
    }
    app->settings().settings().main.all_module_dir = root.string();
    app->modules().setModuleRoot(app->moduleRoot());

    UiTranslators translators;
    ASSERT_TRUE(translators.apply(Language::Russian));
    run([&](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Выбор микросхемы"));
        EXPECT_NE(labelled(window, QStringLiteral("ОК")), nullptr);
        std::filesystem::remove(root / "tessaro/thalia.so");
        chooseModule(window, "thalia");
        click(window, QStringLiteral("Отмена"));
    });
    translators.apply(Language::English);
    EXPECT_TRUE(statusShown("Невозможно загрузить модуль:  thalia"));
    expectCalypsoChipApplied();
}

}  // namespace
}  // namespace veldrix::test
