// The program as a user drives it, on the simulated board with the real
// parlink driver and calypso module: read the chip, change a byte, write it
// back, compare, keep the image in a file, and find everything again at the
// next start.
#include <QPlainTextEdit>
#include <QPushButton>

#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "frame/FrameCommandIds.h"
#include "vxsim.h"

namespace veldrix::test {
namespace {

using GuiEndToEnd = MainFrameFixture;

TEST_F(GuiEndToEnd, ReadEditWriteCompareSaveOpenAndExit) {
    storeSimulatorChoice(QStringLiteral("W27E257"));
    // Only bytes that differ from the chip get programming pulses.
    store(QStringLiteral("General/forcewr"), 0);
    start();
    ASSERT_EQ(engine().buffer().length(), 32768u);
    ASSERT_NE(engine().driver().simulator(), nullptr);

    // F5: the chip (erased on the simulated board) into the buffer.
    engine().buffer().data()[0] = 0x00;
    QTest::keyClick(&frame(), Qt::Key_F5);
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    EXPECT_EQ(engine().buffer().data()[0], 0xFF);
    EXPECT_EQ(pane("paneMessage"), "Ready");
    // The keyboard is back with the main window once the progress window went.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));

    // Two hex digits typed at the caret.
    mainEditor().setFocus();
    QTest::keyClicks(&mainEditor(), "A5");
    EXPECT_EQ(engine().buffer().data()[0], 0xA5);

    // F6, confirmed.
    QString question;
    onNextModal([&](QWidget& box) {
        question = box.findChild<QPlainTextEdit*>()->toPlainText();
        box.findChildren<QPushButton*>().at(0)->click();  // OK
    });
    QTest::keyClick(&frame(), Qt::Key_F6);
    EXPECT_EQ(question, "Are you sure?");
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));

    // F7: the chip now holds the buffer; no differences to report.
    QTest::keyClick(&frame(), Qt::Key_F7);
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    EXPECT_EQ(engine().operations().lastOutcome().errdata, 0u);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));

    // Save as, then Open the file back over a changed buffer.
    const QString image = QString::fromStdString(dir.file("image.bin"));
    files->answers.push_back(image);
    QTest::keyClick(&frame(), Qt::Key_F2);
    frame().execute(cmd::kInitBuffer);
    ASSERT_EQ(engine().buffer().data()[0], 0xFF);
    files->answers.push_back(image);
    QTest::keyClick(&frame(), Qt::Key_F3);
    EXPECT_EQ(engine().buffer().data()[0], 0xA5);
    EXPECT_EQ(frame().windowTitle(), "Tessaro 0.39b [SIM] - " + image);

    // Alt+X writes the settings and ends.
    frame().resize(800, 420);
    QTest::keyClick(&frame(), Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(engine().closed());
    EXPECT_FALSE(frame().isVisible());
    session.reset();

    // The next start finds the chip, the port and the window as they were,
    // and the written byte in the simulated chip.
    start();
    EXPECT_EQ(engine().modules().savedChip(), "W27E257");
    EXPECT_EQ(engine().portName(), "SIM");
    EXPECT_EQ(frame().size(), QSize(800, 420));
    QTest::keyClick(&frame(), Qt::Key_F5);
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    EXPECT_EQ(engine().buffer().data()[0], 0xA5);
}

}  // namespace
}  // namespace veldrix::test
