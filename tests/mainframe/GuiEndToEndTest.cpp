// The program as a user drives it, on the simulated board with the real
// parlink driver and chip modules: read the chip, change a byte, write it
// back, compare, keep the image in a file, and find everything again at the
// next start; choose a chip in the chip window and program it with the
// voltage chosen in Device options.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DialogProbe.h"
#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "frame/FrameCommandIds.h"
#include "frame/ProgramDialogs.h"
#include "vxsim.h"

namespace veldrix::test {
namespace {

class GuiEndToEnd : public MainFrameFixture {
protected:
    // The chip window, opened from the menu: `module` and `chip` looked at,
    // then `button` pressed.
    void chooseInChipWindow(const char* module, const char* chip, const char* button) {
        onNextModal([=](QWidget& window) {
            auto* modules = named<QListWidget>(window, "modules");
            modules->setCurrentRow(rowOf(*modules, QString::fromLatin1(module)));
            auto* chips = named<QListWidget>(window, "chips");
            chips->setCurrentRow(rowOf(*chips, QString::fromLatin1(chip)));
            click(window, QString::fromLatin1(button));
        });
        action(cmd::kDevice)->trigger();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }

    // Device options, opened with its keys.
    void chooseVpp(const char* volts) {
        onNextModal([=](QWidget& dialog) {
            auto* vpp = named<QComboBox>(dialog, "Vpp");
            vpp->setCurrentIndex(vpp->findText(QString::fromLatin1(volts)));
            click(dialog, QStringLiteral("OK"));
        });
        QTest::keyClick(&frame(), Qt::Key_F9, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    }

    // The verdict of the operation under `key`; a message box it shows is
    // closed and its text kept in `box`.
    Verdict run(Qt::Key key, QString* box = nullptr) {
        if (box != nullptr) {
            onNextModal([box](QWidget& shown) {
                *box = shown.findChild<QPlainTextEdit*>()->toPlainText();
                shown.close();
            });
        }
        QTest::keyClick(&frame(), key);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
        return engine().operations().lastOutcome().verdict;
    }
};

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

TEST_F(GuiEndToEnd, ChooseAChipReadWriteWithTheChosenVppCompareAndCancelKeepsTheImage) {
    storeSimulatorChoice();
    store(QStringLiteral("General/conformation"), 0);
    start(programDialogs());

    chooseInChipWindow("thalia", "W27E520", "OK");
    ASSERT_EQ(engine().modules().savedChip(), "W27E520");
    EXPECT_EQ(pane("paneChip"), "W27E520");
    ASSERT_EQ(engine().driver().simulator()->chipKind(), VXSIM_KIND_MUX_EPROM);
    ASSERT_EQ(run(Qt::Key_F5), Verdict::Success);
    DataBuffer& buffer = engine().buffer();
    ASSERT_EQ(buffer.length(), 0x10000u);
    EXPECT_EQ(buffer.data()[0x1234], 0xFF);
    for (std::uint32_t address = 0; address < buffer.length(); ++address) {
        buffer.data()[address] = static_cast<std::uint8_t>(address * 7 + (address >> 8));
    }

    // Below what the cells need to program: the write cannot verify.
    chooseVpp("10.5");
    EXPECT_EQ(engine().callBlock().vpp, 105);
    EXPECT_EQ(pane("paneVpp"), "Vpp:10.5");
    QString box;
    EXPECT_EQ(run(Qt::Key_F6, &box), Verdict::FailedChipChanged);
    EXPECT_TRUE(box.startsWith("Error Write")) << box.toStdString();
    EXPECT_EQ(run(Qt::Key_F7, &box), Verdict::FailedChipUnchanged);
    EXPECT_TRUE(box.endsWith(" Errors")) << box.toStdString();

    chooseVpp("12.5");
    EXPECT_EQ(pane("paneVpp"), "Vpp:12.5");
    EXPECT_EQ(run(Qt::Key_F6), Verdict::Success);
    EXPECT_EQ(run(Qt::Key_F7), Verdict::Success);

    // Browsing another module and its chips, then Cancel: the chip of before
    // with its own voltages, and the edited image.
    const std::vector<std::uint8_t> edited(buffer.data(), buffer.data() + buffer.length());
    chooseInChipWindow("calypso", "W27E257", "Cancel");
    EXPECT_EQ(engine().modules().savedChip(), "W27E520");
    EXPECT_EQ(pane("paneChip"), "W27E520");
    EXPECT_EQ(pane("paneVpp"), "Vpp:12.0");
    EXPECT_TRUE(
        std::equal(edited.begin(), edited.end(), buffer.data(), buffer.data() + buffer.length()));
    EXPECT_EQ(run(Qt::Key_F7), Verdict::Success);
}

}  // namespace
}  // namespace veldrix::test
