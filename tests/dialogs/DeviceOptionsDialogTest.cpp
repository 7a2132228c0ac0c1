// The Device options dialog on the simulated board's driver (Vcc 4.5 to
// 6.0, Vpp 5.5 to 26.0, Vid 12.0 and 14.0) and on tables of a test's own.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "ApplicationRig.h"
#include "DialogProbe.h"
#include "ModalDialogs.h"
#include "dialogs/DeviceOptionsDialog.h"

namespace veldrix::test {
namespace {

class DeviceOptionsDialogTest : public ::testing::Test, public ApplicationRig {
protected:
    DeviceOptionsDialogTest() : ApplicationRig(VELDRIX_TEST_BASE_DIR) {}

    static QStringList items(const QComboBox& list) {
        QStringList texts;
        for (int i = 0; i < list.count(); ++i) {
            texts << list.itemText(i);
        }
        return texts;
    }
    void runChoosing(const QString& vpp) {
        onNextModal([&](QWidget& dialog) {
            auto* list = named<QComboBox>(dialog, "Vpp");
            list->setCurrentIndex(list->findText(vpp));
            click(dialog, QStringLiteral("OK"));
        });
        EXPECT_TRUE(RunDeviceOptions(*app, nullptr));
    }

    std::unique_ptr<Application> app = startOnSimulator(StatusDelivery::Immediate);
    dlldata& block = app->callBlock();
};

TEST_F(DeviceOptionsDialogTest, ListsTheDriversTablesWithTheChipsVoltagesChosen) {
    onNextModal([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Device options"));
        auto* vcc = named<QComboBox>(dialog, "Vcc");
        auto* vpp = named<QComboBox>(dialog, "Vpp");
        auto* vid = named<QComboBox>(dialog, "Vid");
        EXPECT_EQ(items(*vcc), (QStringList{"4.5", "5.0", "5.5", "6.0"}));
        EXPECT_EQ(items(*vid), (QStringList{"12.0", "14.0"}));
        EXPECT_EQ(vpp->count(), 32);
        EXPECT_EQ(vpp->itemText(9), QStringLiteral("12.5"));
        EXPECT_EQ(vcc->currentText(), QStringLiteral("5.0"));
        EXPECT_EQ(vpp->currentText(), QStringLiteral("12.0"));
        EXPECT_EQ(vid->currentText(), QStringLiteral("12.0"));
        click(dialog, QStringLiteral("Cancel"));
    });
    EXPECT_TRUE(RunDeviceOptions(*app, nullptr));
    EXPECT_EQ(block.vpp, 120);
}

TEST_F(DeviceOptionsDialogTest, OkSetsTheVoltagesAndRefreshesThePanes) {
    runChoosing(QStringLiteral("12.5"));
    EXPECT_EQ(block.vpp, 125);
    EXPECT_EQ(block.vcc, 50);
    EXPECT_EQ(ui_.pane(Pane::Vpp), "Vpp:12.5");
    EXPECT_EQ(ui_.pane(Pane::Vcc), "Vcc:5.0");
}

// Matched by value: with 3.3 and 3.5 V offered, a 3.5 V chip stays at 3.5 V.
TEST_F(DeviceOptionsDialogTest, TheCurrentVoltageIsFoundByValue) {
    std::uint16_t vcc[] = {2, 33, 35};
    block.VccTable = vcc;
    block.vcc = 35;
    onNextModal([](QWidget& dialog) {
        auto* list = named<QComboBox>(dialog, "Vcc");
        EXPECT_EQ(items(*list), (QStringList{"3.3", "3.5"}));
        EXPECT_EQ(list->currentIndex(), 1);
        click(dialog, QStringLiteral("OK"));
    });
    EXPECT_TRUE(RunDeviceOptions(*app, nullptr));
    EXPECT_EQ(block.vcc, 35);
    EXPECT_EQ(ui_.pane(Pane::Vcc), "Vcc:3.5");
    block.VccTable = nullptr;
}

// A voltage the driver does not offer leaves its list disabled; OK keeps it
// rather than switching the supply to 0.
TEST_F(DeviceOptionsDialogTest, AVoltageTheTableLacksIsKept) {
    block.vpp = 131;
    onNextModal([](QWidget& dialog) {
        EXPECT_FALSE(named<QComboBox>(dialog, "Vpp")->isEnabled());
        EXPECT_TRUE(named<QComboBox>(dialog, "Vcc")->isEnabled());
        click(dialog, QStringLiteral("OK"));
    });
    EXPECT_TRUE(RunDeviceOptions(*app, nullptr));
    EXPECT_EQ(block.vpp, 131);
    EXPECT_EQ(ui_.pane(Pane::Vpp), "Vpp:13.1");
}

// After a failed binding the tables are null.
TEST_F(DeviceOptionsDialogTest, NullTablesGiveEmptyDisabledLists) {
    block.VccTable = nullptr;
    block.VppTable = nullptr;
    block.VidTable = nullptr;
    onNextModal([](QWidget& dialog) {
        for (const char* name : {"Vcc", "Vpp", "Vid"}) {
            auto* list = named<QComboBox>(dialog, name);
            EXPECT_EQ(list->count(), 0) << name;
            EXPECT_FALSE(list->isEnabled()) << name;
        }
        click(dialog, QStringLiteral("OK"));
    });
    EXPECT_TRUE(RunDeviceOptions(*app, nullptr));
    EXPECT_EQ(block.vcc, 50);
    EXPECT_EQ(block.vpp, 120);
    EXPECT_EQ(block.vid, 120);
}

TEST_F(DeviceOptionsDialogTest, WithoutAChipTheCommandDoesNothing) {
    block.size = 0;
    const NoModalExpected noDialog;
    EXPECT_FALSE(RunDeviceOptions(*app, nullptr));
}

}  // namespace
}  // namespace veldrix::test
