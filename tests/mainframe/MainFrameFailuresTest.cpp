// Failures the engine hands the main window as values, and what the window
// tells the user of them: settings that did not reach the store, and a
// driver that faulted under a module that carried on.
#include <QPlainTextEdit>

#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "frame/FrameCommandIds.h"

namespace veldrix::test {
namespace {

class MainFrameFailures : public MainFrameFixture {
protected:
    // The text of the next message box, which is closed.
    static void recordBox(QString& text) {
        onNextModal([&text](QWidget& box) {
            text = box.findChild<QPlainTextEdit*>()->toPlainText();
            box.close();
        });
    }
};

TEST_F(MainFrameFailures, SettingsThatCannotBeSavedAreReportedOnce) {
    // A name the file system refuses, whoever runs the test.
    settingsFile = dir.file(std::string(300, 'n') + ".ini");
    const QString expected = "Settings not saved: cannot write " + QString::fromStdString(ini());
    start();
    // Switching the family writes the section of the family left.
    QString box;
    recordBox(box);
    frame().execute(cmd::kFamilyHoltan);
    EXPECT_EQ(box, expected);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
    {
        const NoModalExpected noSecondBox;
        frame().execute(cmd::kFamilyTessaro);
    }
    const NoModalExpected noBoxAtClose;
    frame().close();
    EXPECT_TRUE(engine().closed());
}

TEST_F(MainFrameFailures, SettingsThatCannotBeSavedAtCloseAreReported) {
    settingsFile = dir.file(std::string(300, 'n') + ".ini");
    start();
    QString box;
    recordBox(box);
    frame().close();
    EXPECT_EQ(box, "Settings not saved: cannot write " + QString::fromStdString(ini()));
}

// The voltage function of the driver faults; the module reads on and
// reports success, but the board's state is unknown.
TEST_F(MainFrameFailures, ADriverFaultDuringAnOperationIsNoSilentSuccess) {
    storeSimulatorChoice(QStringLiteral("W27E257"));
    store(QStringLiteral("Hardware/tessaro/driver"),
          QString::fromLatin1(VELDRIX_HOSTILE_DRIVERS "/voltagefault.so"));
    start();
    QString box;
    recordBox(box);
    QTest::keyClick(&frame(), Qt::Key_F5);
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::DriverFault);
    EXPECT_EQ(box,
              "The programmer driver failed (SIGSEGV) during the operation: its result cannot be "
              "trusted");
    EXPECT_TRUE(statusShows("voltage ERR"));
    EXPECT_TRUE(action(cmd::kRead)->isEnabled());
}

}  // namespace
}  // namespace veldrix::test
