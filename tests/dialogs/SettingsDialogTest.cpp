// The Settings dialog on the engine with the simulated board, with two hex
// editors standing for the main window's.

#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ApplicationRig.h"
#include "DialogProbe.h"
#include "ModalDialogs.h"
#include "dialogs/DeviceWnd.h"
#include "dialogs/RefusedField.h"
#include "dialogs/SettingsDialog.h"
#include "hexedit/CHexEditBase.h"
#include "hexedit/HexFont.h"

namespace veldrix::test {
namespace {

class SettingsDialogTest : public ::testing::Test, public ApplicationRig {
protected:
    SettingsDialogTest() : ApplicationRig(VELDRIX_TEST_BASE_DIR) {}

    bool run(const std::function<void(QWidget& dialog)>& action) {
        onNextModal(action);
        return RunSettingsDialog(*app, &mainEditor, &secondEditor, nullptr);
    }

    // Clicks `button` of `dialog`, and `choose` answers the picker it opens.
    static void pick(QWidget& dialog, const QString& button,
                     const std::function<void(QWidget& picker)>& choose) {
        onNextModal(choose);
        click(dialog, button);
    }

    static void chooseFile(QWidget& picker, const QString& path) {
        auto& files = static_cast<QFileDialog&>(picker);
        files.selectFile(path);
        static_cast<QDialog&>(files).accept();  // the file dialog's own check included
    }

    std::unique_ptr<Application> app = startOnSimulator(StatusDelivery::Immediate);
    const std::filesystem::path base = VELDRIX_TEST_BASE_DIR;
    CHexEditBase mainEditor;
    CHexEditBase secondEditor;
};

TEST_F(SettingsDialogTest, ShowsTheSettingsInUse) {
    run([&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Settings"));
        EXPECT_EQ(named<QComboBox>(dialog, "ports")->currentText(), QStringLiteral("SIM"));
        EXPECT_EQ(named<QLineEdit>(dialog, "ecr")->text(), QStringLiteral("0x35"));
        auto* driver = named<QLineEdit>(dialog, "driver");
        EXPECT_EQ(driver->text(), QStringLiteral("Hardware/tessaro.so"));
        EXPECT_TRUE(driver->isReadOnly());
        EXPECT_TRUE(labelled<QRadioButton>(dialog, QStringLiteral("NT driver"))->isChecked());
        EXPECT_TRUE(labelled(dialog, QStringLiteral("Sound"))->isChecked());
        EXPECT_EQ(named<QLineEdit>(dialog, "moduleRoot")->text(),
                  QStringLiteral("Modules for 0.04"));
        EXPECT_EQ(named<QListWidget>(dialog, "modules")->currentItem()->text(),
                  QStringLiteral("calypso"));
        // Buttons without an effect of their own.
        for (const char* inert : {"Mark", ">>", "<<"}) {
            click(dialog, QString::fromLatin1(inert));
            EXPECT_TRUE(dialog.isVisible()) << inert;
        }
        click(dialog, QStringLiteral("Cancel"));
    });
}

// On OK the chosen colours and font go to both editors at once.
TEST_F(SettingsDialogTest, ColoursAndFontReachBothEditors) {
    const QFont fixed = systemHexEditFont();
    const Colorref hexBefore = mainEditor.colors().hexText;
    const bool accepted = run([&](QWidget& dialog) {
        pick(dialog, QStringLiteral("Hex"), [](QWidget& picker) {
            auto& colors = static_cast<QColorDialog&>(picker);
            colors.setCurrentColor(QColor(0x12, 0x34, 0x56));
            colors.accept();
        });
        EXPECT_EQ(dialog.focusWidget(), labelled(dialog, QStringLiteral("OK")));
        pick(dialog, QStringLiteral("Background"), [](QWidget& picker) {
            static_cast<QColorDialog&>(picker).setCurrentColor(QColor(0xAB, 0xCD, 0xEF));
            static_cast<QColorDialog&>(picker).accept();
        });
        pick(dialog, QStringLiteral("Address"), [](QWidget& picker) { picker.close(); });
        pick(dialog, QStringLiteral("Font"), [&](QWidget& picker) {
            auto& fonts = static_cast<QFontDialog&>(picker);
            QFont chosen = fixed;
            chosen.setPixelSize(23);
            chosen.setBold(true);
            fonts.setCurrentFont(chosen);
            fonts.accept();
        });
        EXPECT_EQ(mainEditor.colors().hexText, hexBefore);  // not before OK
        click(dialog, QStringLiteral("OK"));
    });
    ASSERT_TRUE(accepted);
    for (const CHexEditBase* editor : {&mainEditor, &secondEditor}) {
        EXPECT_EQ(editor->colors().hexText, 0x563412u);
        EXPECT_EQ(editor->colors().hexBackground, 0xEFCDABu);
        EXPECT_EQ(editor->colors().windowBackground, 0xEFCDABu);
        EXPECT_EQ(editor->colors().addressText, ColorSettings{}.adrcol);
        EXPECT_EQ(editor->GetFont().family().compare(fixed.family(), Qt::CaseInsensitive), 0)
            << editor->GetFont().family().toStdString();
        EXPECT_EQ(QFontInfo(editor->GetFont()).pixelSize(), 23);
        EXPECT_FALSE(editor->GetFont().bold());
    }
    const ProgramSettings& stored = app->settings().settings();
    EXPECT_EQ(stored.colors.hexcol, 0x563412u);
    EXPECT_EQ(stored.font.lfHeight, -23);
    EXPECT_EQ(stored.font.lfWeight, 400);
}

TEST_F(SettingsDialogTest, AnEcrThatIsNoByteIsRefusedAndTheDialogStaysOpen) {
    run([&](QWidget& dialog) {
        auto* ecr = named<QLineEdit>(dialog, "ecr");
        for (const char* text : {"0x100", "junk", ""}) {
            ecr->selectAll();
            QTest::keyClicks(ecr, QString::fromLatin1(text));
            const QString reason = refusalOnOk(dialog);
            EXPECT_TRUE(dialog.isVisible()) << text;
            EXPECT_TRUE(reason.startsWith(QStringLiteral("ECR:"))) << text;
            EXPECT_TRUE(isRefused(*ecr));
        }
        click(dialog, QStringLiteral("Cancel"));
    });
    EXPECT_EQ(app->settings().settings().main.ECR, 0x35);
}

// The chooser starts at the family's default driver; the file chosen is
// bound at once, and Cancel binds the one of before again.
TEST_F(SettingsDialogTest, CancelBindsTheDriverInUseAtOpening) {
    const std::string broken = dir_.write("broken.so", "not a library");
    run([&](QWidget& dialog) {
        onNextModal([&](QWidget& picker) {
            auto& files = static_cast<QFileDialog&>(picker);
            EXPECT_EQ(files.directory().absolutePath(),
                      QString::fromStdString((base / "Hardware").string()));
            EXPECT_EQ(files.nameFilters(), QStringList{"Driver files (*.so)"});
            chooseFile(picker, QString::fromStdString(broken));
        });
        named<QPushButton>(dialog, "driverBrowse")->click();
        EXPECT_EQ(named<QLineEdit>(dialog, "driver")->text(), QString::fromStdString(broken));
        EXPECT_FALSE(app->driver().bound());
        click(dialog, QStringLiteral("Cancel"));
    });
    EXPECT_EQ(app->settings().family().driver, "Hardware/tessaro.so");
    EXPECT_TRUE(app->driver().bound());
    EXPECT_EQ(app->portName(), "SIM");
    EXPECT_TRUE(app->ports().simulatorSelected());
}

// The folder chooser keeps a folder inside the program's directory
// relative; the root taken at OK is the one the next chip selection scans.
TEST_F(SettingsDialogTest, TheChosenModuleFolderIsScannedByTheNextSelection) {
    const std::filesystem::path shipped = base / "Modules for 0.04";
    const std::filesystem::path mine = dir_.path() / "my modules";
    std::filesystem::create_directories(mine / "tessaro");
    for (const char* file : {"urania.so", "urania.cfg"}) {
        std::filesystem::copy_file(shipped / "tessaro" / file, mine / "tessaro" / file);
    }
    const bool accepted = run([&](QWidget& dialog) {
        auto* root = named<QLineEdit>(dialog, "moduleRoot");
        auto* browse = named<QPushButton>(dialog, "moduleRootBrowse");
        onNextModal([&](QWidget& picker) {
            EXPECT_EQ(picker.windowTitle(),
                      QStringLiteral("Please, choose the folder with MODULES..."));
            EXPECT_EQ(static_cast<QFileDialog&>(picker).directory().absolutePath(),
                      QString::fromStdString(shipped.string()));
            chooseFile(picker, QString::fromStdString(shipped.string()));
        });
        browse->click();
        EXPECT_EQ(root->text(), QStringLiteral("Modules for 0.04"));
        onNextModal(
            [&](QWidget& picker) { chooseFile(picker, QString::fromStdString(mine.string())); });
        browse->click();
        EXPECT_EQ(root->text(), QString::fromStdString(mine.string()));
        click(dialog, QStringLiteral("OK"));
    });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(app->settings().settings().main.all_module_dir, mine.string());

    onNextModal([](QWidget& window) {
        auto* modules = named<QListWidget>(window, "modules");
        EXPECT_EQ(modules->count(), 1);
        EXPECT_EQ(modules->item(0)->text(), QStringLiteral("urania"));
        click(window, QStringLiteral("Cancel"));
    });
    RunChipSelection(*app, nullptr);
}

}  // namespace
}  // namespace veldrix::test
