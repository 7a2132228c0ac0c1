// While a module call runs, the progress window lets events through: the
// main window refuses every command, keeps the module's page copy, and puts
// a close off until the call has returned. A faulting module leaves a usable
// window and no conclusions drawn from the call block.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <filesystem>

#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "dialogs/ProgressWindow.h"
#include "frame/FrameCommandIds.h"
#include "frame/ProgramDialogs.h"

namespace veldrix::test {
namespace {

class BusyGuard : public MainFrameFixture {
protected:
    // Runs `during` inside the first progress report of a Read.
    void readWith(std::function<void()> during) {
        bool ran = false;
        QTimer::singleShot(0, &frame(), [&] {
            ASSERT_TRUE(engine().busy());
            ran = true;
            during();
        });
        frame().execute(cmd::kRead);
        EXPECT_TRUE(ran) << "the read pumped no events";
    }
};

TEST_F(BusyGuard, CommandsArePutOffWhileTheModuleRuns) {
    storeSimulatorChoice();
    start();
    auto* ports = frame().findChild<QComboBox*>(QStringLiteral("ports"));
    readWith([&] {
        EXPECT_FALSE(action(cmd::kRead)->isEnabled());
        EXPECT_FALSE(action(cmd::kFamilyHoltan)->isEnabled());
        EXPECT_FALSE(ports->isEnabled());
        // Even when something triggers them: switching the family would
        // unload the module under its own call.
        frame().execute(cmd::kFamilyHoltan);
        frame().execute(cmd::kLanguageRussian);
        frame().execute(cmd::kRead);
        emit ports->activated(0);
        EXPECT_EQ(engine().familyIndex(), kTessaro);
    });
    EXPECT_EQ(engine().familyIndex(), kTessaro);
    EXPECT_EQ(engine().settings().settings().main.language, Language::English);
    EXPECT_EQ(engine().portName(), "SIM");
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    // Once the call has returned, everything is back.
    EXPECT_TRUE(action(cmd::kRead)->isEnabled());
    EXPECT_TRUE(action(cmd::kFamilyHoltan)->isEnabled());
    EXPECT_TRUE(ports->isEnabled());
}

// A dialog would run module calls of its own (the chip window loads
// modules, Settings binds the driver) under the running one.
TEST_F(BusyGuard, NoDialogOpensWhileTheModuleRuns) {
    storeSimulatorChoice();
    start(programDialogs());
    readWith([&] {
        for (int id : {cmd::kDevice, cmd::kDeviceVoltage, cmd::kConfigKeys, cmd::kSettings,
                       cmd::kGeneral, cmd::kFillBuffer, cmd::kXorBuffer}) {
            EXPECT_FALSE(action(id)->isEnabled()) << std::hex << id;
            const NoModalExpected noDialog;
            frame().execute(id);
        }
    });
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    EXPECT_TRUE(action(cmd::kSettings)->isEnabled());
}

TEST_F(BusyGuard, ACloseDuringTheCallCancelsItAndClosesAfterwards) {
    storeSimulatorChoice();
    start();
    readWith([&] {
        frame().close();
        // The window and the engine are still there for the module.
        EXPECT_FALSE(engine().closed());
        ASSERT_NE(session->ui().progressWindow(), nullptr);
        EXPECT_TRUE(session->ui().progressWindow()->cancelled());
    });
    EXPECT_TRUE(engine().closed());
    EXPECT_FALSE(frame().isVisible());
    EXPECT_EQ(stored(QStringLiteral("Hardware/tessaro/lastchip")).toString(), "W27C512");
}

TEST_F(BusyGuard, TheModulesPageCopyOutlivesAFocusChangeDuringItsCall) {
    storeSimulatorChoice();
    start();
    engine().buffer().data()[3] = 0x77;
    readWith([&] {
        // As a module holds it: valid until its next getpage.
        const std::uint8_t* page = engine().callBlock().getpage(0, 16);
        ASSERT_NE(page, nullptr);
        QEvent activated(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&frame(), &activated);
        // A released copy would be a use after free here.
        EXPECT_EQ(page[3], 0x77);
    });
}

TEST_F(BusyGuard, AFaultingModuleShowsOneMessageAndLeavesTheWindowUsable) {
    const std::filesystem::path modules = dir.path() / "modules";
    std::filesystem::create_directories(modules / "tessaro");
    std::filesystem::copy_file(std::filesystem::path(VELDRIX_HOSTILE_MODULES) / "crashread.so",
                               modules / "tessaro" / "crashread.so");
    dir.write("modules/tessaro/crashread.cfg", "chip=HOST\r\nsize=256\r\n");
    store(QStringLiteral("General/hardware"), kTessaro);
    store(QStringLiteral("Main/all_module_dir"), QString::fromStdString(modules.string()));
    store(QStringLiteral("Hardware/tessaro/port"), QStringLiteral("SIM"));
    store(QStringLiteral("Hardware/tessaro/lastmodule"), QStringLiteral("crashread"));
    store(QStringLiteral("Hardware/tessaro/lastchip"), QStringLiteral("HOST"));
    start();
    ASSERT_TRUE(action(cmd::kRead)->isEnabled());

    QStringList boxes;
    const auto recordBox = [&](QWidget& box) {
        boxes << box.findChild<QPlainTextEdit*>()->toPlainText();
        box.close();
    };
    onNextModal(recordBox);
    frame().execute(cmd::kRead);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].startsWith("DMAIN ERROR")) << boxes[0].toStdString();
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::ModuleFault);
    EXPECT_EQ(pane("paneMessage"), "Ready");
    EXPECT_EQ(session->ui().progressWindow(), nullptr);
    // The window goes on: the next command runs (and faults again).
    EXPECT_TRUE(action(cmd::kRead)->isEnabled());
    onNextModal(recordBox);
    frame().execute(cmd::kRead);
    EXPECT_EQ(boxes.size(), 2);
}

}  // namespace
}  // namespace veldrix::test
