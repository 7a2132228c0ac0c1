// The dialogs driving the real thalia module, parlink driver and simulated
// board: a chip chosen in the chip window, read, written with the
// programming voltage chosen in Device options, compared; then the chip
// window cancelled after browsing, which keeps the edited image.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>

#include "ApplicationRig.h"
#include "DialogProbe.h"
#include "ModalDialogs.h"
#include "dialogs/DeviceOptionsDialog.h"
#include "dialogs/DeviceWnd.h"
#include "vxsim.h"

namespace veldrix::test {
namespace {

class DialogsEndToEndTest : public ::testing::Test, public ApplicationRig {
protected:
    DialogsEndToEndTest() : ApplicationRig(VELDRIX_TEST_BASE_DIR) {
        // No confirmation question: the recording interface would answer it.
        app->settings().settings().general.conformation = 0;
    }

    void chooseInChipWindow(const char* module, const char* chip, const char* button) {
        onNextModal([=](QWidget& window) {
            auto* modules = named<QListWidget>(window, "modules");
            modules->setCurrentRow(rowOf(*modules, QString::fromLatin1(module)));
            auto* chips = named<QListWidget>(window, "chips");
            chips->setCurrentRow(rowOf(*chips, QString::fromLatin1(chip)));
            click(window, QString::fromLatin1(button));
        });
        RunChipSelection(*app, nullptr);
    }

    void chooseVpp(const char* volts) {
        onNextModal([=](QWidget& dialog) {
            auto* vpp = named<QComboBox>(dialog, "Vpp");
            vpp->setCurrentIndex(vpp->findText(QString::fromLatin1(volts)));
            click(dialog, QStringLiteral("OK"));
        });
        ASSERT_TRUE(RunDeviceOptions(*app, nullptr));
    }

    Verdict run(Command command) { return app->operations().run(command).verdict; }

    std::unique_ptr<Application> app = startOnSimulator(StatusDelivery::Immediate);
};

TEST_F(DialogsEndToEndTest, ChooseReadWriteWithTheChosenVppCompareAndCancelKeepsTheImage) {
    chooseInChipWindow("thalia", "W27E520", "OK");
    ASSERT_EQ(app->modules().savedChip(), "W27E520");
    ASSERT_EQ(app->driver().simulator()->chipKind(), VXSIM_KIND_MUX_EPROM);
    ASSERT_EQ(run(Command::Read), Verdict::Success);
    ASSERT_EQ(app->buffer().length(), 0x10000u);
    EXPECT_EQ(app->buffer().data()[0x1234], 0xFF);

    for (std::uint32_t address = 0; address < app->buffer().length(); ++address) {
        app->buffer().data()[address] = static_cast<std::uint8_t>(address * 7 + (address >> 8));
    }
    // Below what the cells need to program: the write cannot verify.
    chooseVpp("10.5");
    EXPECT_EQ(app->callBlock().vpp, 105);
    EXPECT_EQ(ui_.pane(Pane::Vpp), "Vpp:10.5");
    EXPECT_NE(run(Command::Write), Verdict::Success);
    EXPECT_NE(run(Command::Compare), Verdict::Success);

    chooseVpp("12.5");
    EXPECT_EQ(app->callBlock().vpp, 125);
    EXPECT_EQ(run(Command::Write), Verdict::Success);
    EXPECT_EQ(run(Command::Compare), Verdict::Success);

    // Browsing another module and its chips, then Cancel.
    const std::uint8_t edited = app->buffer().data()[0x4321];
    chooseInChipWindow("calypso", "W27E257", "Cancel");
    EXPECT_EQ(app->modules().savedChip(), "W27E520");
    EXPECT_EQ(app->buffer().data()[0x4321], edited);
    EXPECT_EQ(run(Command::Compare), Verdict::Success);
}

}  // namespace
}  // namespace veldrix::test
