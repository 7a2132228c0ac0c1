// The window's checks of the chip on the simulated board: the compare
// report after a Compare that found differences, and Read made twice and
// compared when the General option asks for it.
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "MainFrameFixture.h"
#include "ModalDialogs.h"
#include "core/SimulatedFault.h"
#include "frame/CompareReportWindow.h"
#include "frame/FrameCommandIds.h"

namespace veldrix::test {
namespace {

class MainFrameChipChecks : public MainFrameFixture {
protected:
    void inject(const char* text) {
        const std::optional<SimulatedFault> fault = parseSimulatedFault(text);
        ASSERT_TRUE(fault.has_value()) << text;
        ASSERT_EQ(injectSimulatedFault(*engine().driver().simulator(), *fault), VXSIM_OK) << text;
    }

    // The next message box's text; the box is closed.
    static void recordBox(QString& text) {
        onNextModal([&text](QWidget& box) {
            text = box.findChild<QPlainTextEdit*>()->toPlainText();
            box.close();
        });
    }

    [[nodiscard]] CompareReportWindow* reportWindow() {
        return frame().findChild<CompareReportWindow*>(QStringLiteral("compareReport"));
    }

    [[nodiscard]] std::vector<std::uint8_t> image() {
        const DataBuffer& buffer = engine().buffer();
        return {buffer.data(), buffer.data() + buffer.length()};
    }

    void fillBuffer(std::uint8_t value) {
        DataBuffer& buffer = engine().buffer();
        std::fill_n(buffer.data(), buffer.length(), value);
    }
};

TEST_F(MainFrameChipChecks, ACompareThatFindsDifferencesReportsThemUntilACleanCompare) {
    storeSimulatorChoice();
    start();
    ASSERT_NE(reportWindow(), nullptr);
    EXPECT_FALSE(action(cmd::kCompareReport)->isEnabled());

    // The erased chip against an erased image, but data line D3 reads 0.
    fillBuffer(0xFF);
    inject("dataline:3:0");
    QString box;
    recordBox(box);
    QTest::keyClick(&frame(), Qt::Key_F7);
    EXPECT_EQ(box, "65536 Errors");
    ASSERT_TRUE(QTest::qWaitFor([&] { return reportWindow()->isVisible(); }, 5000));
    // The keyboard stays with the main window.
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame()));
    EXPECT_FALSE(reportWindow()->isModal());
    EXPECT_EQ(reportWindow()->windowTitle(), "Compare report");
    const QStringList lines = reportWindow()->report().split(u'\n');
    ASSERT_GT(lines.size(), 20);
    EXPECT_EQ(lines[0], "65536 differences");
    EXPECT_EQ(lines[1], "  00000000: chip F7, expected FF");
    EXPECT_EQ(lines[16], "  0000000F: chip F7, expected FF");
    EXPECT_EQ(lines[17], "  ...");
    EXPECT_TRUE(
        lines.contains("  D3: 65536 read 0 where 1 was expected, 0 read 1 where 0 was "
                       "expected"));
    EXPECT_TRUE(lines.contains("Diagnosis: data line D3 stuck at 0"));
    // The image stays the expected one, with the differences marked.
    EXPECT_EQ(image(), std::vector<std::uint8_t>(0x10000, 0xFF));
    EXPECT_TRUE(mainEditor().IsMarked(0));
    EXPECT_TRUE(mainEditor().IsMarked(0xFFFF));

    // Closed, and opened again from the menu with the same report.
    const QString report = reportWindow()->report();
    reportWindow()->close();
    frame().updateCommandStates();
    ASSERT_TRUE(action(cmd::kCompareReport)->isEnabled());
    action(cmd::kCompareReport)->trigger();
    EXPECT_TRUE(reportWindow()->isVisible());
    EXPECT_EQ(reportWindow()->report(), report);
    // The user goes back to the main window.
    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));

    // A compare with other differences replaces the report.
    engine().driver().simulator()->clearFaults();
    engine().buffer().data()[0x1234] = 0x7F;
    recordBox(box);
    QTest::keyClick(&frame(), Qt::Key_F7);
    EXPECT_EQ(box, "1 Errors");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return reportWindow()->report().startsWith("1 difference\n"); }, 5000));
    EXPECT_TRUE(reportWindow()->report().contains("  00001234: chip FF, expected 7F"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));

    // One without differences clears it.
    engine().buffer().data()[0x1234] = 0xFF;
    {
        const NoModalExpected noBox;
        QTest::keyClick(&frame(), Qt::Key_F7);
    }
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    EXPECT_FALSE(reportWindow()->isVisible());
    EXPECT_FALSE(reportWindow()->hasReport());
    EXPECT_FALSE(action(cmd::kCompareReport)->isEnabled());
}

TEST_F(MainFrameChipChecks, ReadTwiceKeepsTheImageWhenTheReadsDiffer) {
    storeSimulatorChoice();
    store(QStringLiteral("General/readtwice"), 1);
    start();
    fillBuffer(0x5A);
    inject("intermittent:2:7");

    QString box;
    recordBox(box);
    QTest::keyClick(&frame(), Qt::Key_F5);
    EXPECT_EQ(image(), std::vector<std::uint8_t>(0x10000, 0x5A));
    const QStringList lines = box.split(u'\n');
    ASSERT_GE(lines.size(), 4) << box.toStdString();
    EXPECT_EQ(lines[0], "The reads of the chip differ: the buffer keeps its image.");
    EXPECT_TRUE(lines[2].endsWith(" unstable addresses")) << box.toStdString();
    // The first one listed, with what each of the two reads gave there.
    const QRegularExpressionMatch first =
        QRegularExpression(QStringLiteral("^  0000([0-9A-F]{4}): (FB FF|FF FB)$")).match(lines[3]);
    ASSERT_TRUE(first.hasMatch()) << lines[3].toStdString();
    EXPECT_TRUE(statusShows("Unstable read at 00" + first.captured(1)));

    // A sound chip: Read as without the option.
    engine().driver().simulator()->clearFaults();
    {
        const NoModalExpected noBox;
        QTest::keyClick(&frame(), Qt::Key_F5);
    }
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    EXPECT_EQ(image(), std::vector<std::uint8_t>(0x10000, 0xFF));
}

TEST_F(MainFrameChipChecks, WithoutTheOptionReadTrustsASingleRead) {
    storeSimulatorChoice();
    start();
    ASSERT_EQ(engine().settings().settings().general.readtwice, 0);
    fillBuffer(0x5A);
    inject("intermittent:2:7");
    {
        const NoModalExpected noBox;
        QTest::keyClick(&frame(), Qt::Key_F5);
    }
    EXPECT_EQ(engine().operations().lastOutcome().verdict, Verdict::Success);
    const std::vector<std::uint8_t> read = image();
    EXPECT_TRUE(std::all_of(read.begin(), read.end(),
                            [](std::uint8_t byte) { return byte == 0xFF || byte == 0xFB; }));
    EXPECT_NE(read, std::vector<std::uint8_t>(0x10000, 0x5A));
}

}  // namespace
}  // namespace veldrix::test
