// The program's dialogs opened from the main window's menu entries, tool bar
// and keys, and what the window shows once they are closed.
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QToolBar>

#include "DialogProbe.h"
#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "frame/FrameCommandIds.h"
#include "frame/ProgramDialogs.h"

namespace veldrix::test {
namespace {

struct DialogOfCommand {
    int id;
    const char* name;   // the dialog's object name
    const char* title;  // what its title bar says
};

constexpr std::array<DialogOfCommand, 7> kDialogs{{
    {cmd::kDevice, "DeviceWnd", "Select IC"},
    {cmd::kDeviceVoltage, "deviceOptions", "Device options"},
    {cmd::kConfigKeys, "advancedOptions", "Advanced Options"},
    {cmd::kSettings, "settings", "Settings"},
    {cmd::kGeneral, "generalOptions", "General Options"},
    {cmd::kFillBuffer, "valueDialog", "Buffer"},
    {cmd::kXorBuffer, "valueDialog", "Buffer"},
}};

class MainFrameDialogs : public MainFrameFixture {
protected:
    void startOnSimulator() {
        storeSimulatorChoice();
        start(programDialogs());
    }

    // Runs `open` and returns the object name and title of the dialog it
    // opened, which is cancelled. The keys work again afterwards: the main
    // window takes the activation back.
    std::pair<QString, QString> dialogOpenedBy(const std::function<void()>& open) {
        std::pair<QString, QString> seen;
        onNextModal([&seen](QWidget& dialog) {
            seen = {dialog.objectName(), dialog.windowTitle()};
            // The chip window takes no Escape; every dialog has Cancel.
            click(dialog, QStringLiteral("Cancel"));
        });
        open();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        return seen;
    }

    // Gives the second editor the chip's last 64 bytes as its area.
    void giveTheChipASecondArea() {
        dlldata& block = engine().callBlock();
        block.eepofs = block.size;
        block.eeplen = 64;
        engine().buffer().SetBuffers();
    }
};

TEST_F(MainFrameDialogs, EveryMenuEntryOpensItsDialog) {
    startOnSimulator();
    for (const DialogOfCommand& expected : kDialogs) {
        SCOPED_TRACE(expected.name);
        QAction* entry = action(expected.id);
        ASSERT_TRUE(entry->isEnabled());
        const auto [name, title] = dialogOpenedBy([&] { entry->trigger(); });
        EXPECT_EQ(name, expected.name);
        EXPECT_EQ(title, expected.title);
    }
    // The value dialog names the tool it asks for.
    for (const auto& [id, tool] : {std::pair{cmd::kFillBuffer, "Fill"}, {cmd::kXorBuffer, "Xor"}}) {
        QString label;
        onNextModal([&label](QWidget& dialog) {
            label = dialog.findChild<QLabel*>()->text();
            click(dialog, QStringLiteral("Cancel"));
        });
        action(id)->trigger();
        EXPECT_EQ(label, tool);
    }
}

TEST_F(MainFrameDialogs, KeysAndTheToolBarOpenTheirDialogs) {
    startOnSimulator();
    EXPECT_EQ(dialogOpenedBy([&] { QTest::keyClick(&frame(), Qt::Key_F9, Qt::AltModifier); }).first,
              "deviceOptions");
    EXPECT_EQ(dialogOpenedBy([&] { QTest::keyClick(&frame(), Qt::Key_F12); }).first, "settings");
    auto* toolBar = frame().findChild<QToolBar*>(QStringLiteral("toolBar"));
    auto* button = qobject_cast<QAbstractButton*>(toolBar->widgetForAction(action(cmd::kSettings)));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(dialogOpenedBy([&] { button->click(); }).first, "settings");
}

TEST_F(MainFrameDialogs, DeviceVoltageOpensNothingWithoutAChip) {
    store(QStringLiteral("General/hardware"), kHoltan);  // no modules, so no chip
    store(QStringLiteral("Hardware/holtan/port"), QStringLiteral("SIM"));
    start(programDialogs());
    const NoModalExpected noDialog;
    frame().execute(cmd::kDeviceVoltage);
}

TEST_F(MainFrameDialogs, SettingsColoursShowInBothEditorsAndSoundInTheStatusThread) {
    startOnSimulator();
    ASSERT_TRUE(session->ui().beeps());
    onNextModal([](QWidget& dialog) {
        onNextModal([](QWidget& picker) {
            auto& colors = static_cast<QColorDialog&>(picker);
            colors.setCurrentColor(QColor(0x12, 0x34, 0x56));
            colors.accept();
        });
        click(dialog, QStringLiteral("Hex"));
        click(dialog, QStringLiteral("Sound"));
        click(dialog, QStringLiteral("OK"));
    });
    QTest::keyClick(&frame(), Qt::Key_F12);
    EXPECT_EQ(mainEditor().colors().hexText, 0x563412u);
    EXPECT_EQ(secondEditor().colors().hexText, 0x563412u);
    EXPECT_FALSE(session->ui().beeps());
    EXPECT_EQ(frame().windowTitle(), "Tessaro 0.39b [SIM] - Untitled.bin");
}

TEST_F(MainFrameDialogs, GeneralsSplitViewChangesTheLayoutAtOnce) {
    startOnSimulator();
    giveTheChipASecondArea();
    ASSERT_FALSE(secondEditor().isHidden());
    const auto toggleSplit = [] {
        onNextModal([](QWidget& dialog) {
            click(dialog, QStringLiteral("Split EEPROM\\FLASH area"));
            click(dialog, QStringLiteral("OK"));
        });
    };
    toggleSplit();
    frame().execute(cmd::kGeneral);
    EXPECT_EQ(engine().settings().settings().general.EepSplit, 0);
    EXPECT_TRUE(secondEditor().isHidden());
    EXPECT_EQ(mainEditor().length(), engine().buffer().length());

    toggleSplit();
    frame().execute(cmd::kGeneral);
    EXPECT_FALSE(secondEditor().isHidden());
    EXPECT_EQ(secondEditor().length(), 64u);
}

TEST_F(MainFrameDialogs, FillAndXorChangeTheBufferAndGiveTheMainEditorTheFocus) {
    startOnSimulator();
    DataBuffer& buffer = engine().buffer();
    auto* ports = frame().findChild<QWidget*>(QStringLiteral("ports"));
    // The tool, answered with `value`; where the keyboard is afterwards.
    const auto runTool = [&](int id, const char* value) {
        ports->setFocus();
        answerValueDialog(value);
        frame().execute(id);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        return QApplication::focusWidget();
    };

    EXPECT_EQ(runTool(cmd::kFillBuffer, "85"), &mainEditor());
    EXPECT_EQ(buffer.data()[0], 0x55);
    EXPECT_EQ(buffer.data()[buffer.length() - 1], 0x55);
    // A cancelled Fill leaves all as it was, the focus included.
    EXPECT_EQ(runTool(cmd::kFillBuffer, nullptr), ports);
    EXPECT_EQ(buffer.data()[0], 0x55);
    // A cancelled Xor changes no byte but clears the marks and refocuses.
    mainEditor().SetMarks(4, 2, true, false);
    EXPECT_EQ(runTool(cmd::kXorBuffer, nullptr), &mainEditor());
    EXPECT_EQ(buffer.data()[0], 0x55);
    EXPECT_FALSE(mainEditor().IsMarked(4));
    EXPECT_EQ(runTool(cmd::kXorBuffer, "255"), &mainEditor());
    EXPECT_EQ(buffer.data()[0], 0xAA);
}

TEST_F(MainFrameDialogs, ChipWindowChoiceSetsTheCommandsAndIsWritten) {
    startOnSimulator();
    ASSERT_TRUE(action(cmd::kErase)->isEnabled());
    onNextModal([](QWidget& window) {
        auto* modules = named<QListWidget>(window, "modules");
        modules->setCurrentRow(rowOf(*modules, QStringLiteral("urania")));
        click(window, QStringLiteral("OK"));
    });
    action(cmd::kDevice)->trigger();
    // urania has no Erase.
    EXPECT_FALSE(action(cmd::kErase)->isEnabled());
    EXPECT_TRUE(action(cmd::kRead)->isEnabled());
    EXPECT_EQ(stored(QStringLiteral("Hardware/tessaro/lastmodule")).toString(), "urania");
    EXPECT_EQ(stored(QStringLiteral("Hardware/tessaro/lastchip")).toString().toStdString(),
              engine().modules().savedChip());
}

}  // namespace
}  // namespace veldrix::test
