// The driver's voltage tables and the Device options dialog's model.

#include "core/DeviceVoltages.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "core/VoltageTable.h"

namespace veldrix {
namespace {

TEST(VoltageTable, ReadsCountThenValuesAndShowsTenthsExactly) {
    const std::uint16_t table[] = {3, 50, 125, 33};
    EXPECT_EQ(readVoltageTable(table), (std::vector<std::uint16_t>{50, 125, 33}));
    const std::uint16_t empty[] = {0, 99};
    EXPECT_TRUE(readVoltageTable(empty).empty());
    EXPECT_TRUE(readVoltageTable(nullptr).empty());

    EXPECT_EQ(voltageText(120), "12.0");
    EXPECT_EQ(voltageText(125), "12.5");
    EXPECT_EQ(voltageText(33), "3.3");
    EXPECT_EQ(voltageText(0), "0.0");
    EXPECT_EQ(voltageText(65535), "6553.5");
}

// A garbage count must neither walk far nor fault: at most the cap is read,
// and reading stops where the driver's memory ends.
TEST(VoltageTable, GarbageCountIsCappedAndUnreadableMemoryEndsTheTable) {
    std::vector<std::uint16_t> long_(kMaxVoltageTableEntries + 10, 77);
    long_[0] = 0xFFFF;
    EXPECT_EQ(readVoltageTable(long_.data()).size(), kMaxVoltageTableEntries);

    const long page = sysconf(_SC_PAGESIZE);
    void* mapping = mmap(nullptr, static_cast<std::size_t>(2 * page), PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapping, MAP_FAILED);
    auto* bytes = static_cast<std::uint8_t*>(mapping);
    ASSERT_EQ(mprotect(bytes + page, static_cast<std::size_t>(page), PROT_NONE), 0);
    // Count and three values in the last eight bytes before the hole.
    auto* table = reinterpret_cast<std::uint16_t*>(bytes + page - 8);
    table[0] = 40;
    table[1] = 50;
    table[2] = 60;
    table[3] = 70;
    EXPECT_EQ(readVoltageTable(table), (std::vector<std::uint16_t>{50, 60, 70}));
    munmap(mapping, static_cast<std::size_t>(2 * page));
}

class DeviceVoltagesTest : public ::testing::Test {
protected:
    DeviceVoltagesTest() {
        block.size = 65536;
        block.VccTable = vcc;
        block.VppTable = vpp;
        block.VidTable = vid;
        block.vcc = 35;
        block.vpp = 125;
        block.vid = 140;
    }

    std::uint16_t vcc[3] = {2, 33, 35};
    std::uint16_t vpp[3] = {2, 120, 125};
    std::uint16_t vid[3] = {2, 120, 140};
    dlldata block{};
};

TEST_F(DeviceVoltagesTest, ListsFollowTheTablesWithTheCurrentVoltageChosenByValue) {
    const DeviceVoltages voltages(block);
    const VoltageList& vccList = voltages.list(Supply::Vcc);
    EXPECT_STREQ(vccList.label, "Vcc");
    EXPECT_EQ(vccList.itemTexts(), (std::vector<std::string>{"3.3", "3.5"}));
    // 3.3 V and 3.5 V are different entries: 3.5 V stays 3.5 V.
    EXPECT_EQ(vccList.current, 1u);
    EXPECT_EQ(voltages.list(Supply::Vpp).itemTexts(), (std::vector<std::string>{"12.0", "12.5"}));
    EXPECT_EQ(voltages.currentChoice(), (VoltageChoice{1u, 1u, 1u}));

    voltages.apply(block, VoltageChoice{0u, 0u, 0u});
    EXPECT_EQ(block.vcc, 33);
    EXPECT_EQ(block.vpp, 120);
    EXPECT_EQ(block.vid, 120);
}

// A voltage the driver does not offer disables its list, and OK must not
// turn it into 0; the other lists still apply.
TEST_F(DeviceVoltagesTest, AVoltageMissingFromItsTableIsKeptOnOk) {
    block.vpp = 130;
    const DeviceVoltages voltages(block);
    EXPECT_EQ(voltages.list(Supply::Vpp).current, std::nullopt);
    voltages.apply(block, VoltageChoice{0u, std::nullopt, 0u});
    EXPECT_EQ(block.vpp, 130);
    voltages.apply(block, VoltageChoice{0u, 1u, 0u});
    EXPECT_EQ(block.vpp, 130);
    EXPECT_EQ(block.vcc, 33);
    EXPECT_EQ(block.vid, 120);

    // An item beyond the list is no choice either.
    const DeviceVoltages again(block);
    again.apply(block, VoltageChoice{7u, std::nullopt, std::nullopt});
    EXPECT_EQ(block.vcc, 33);
}

// After a failed binding the tables are null.
TEST_F(DeviceVoltagesTest, NullTablesGiveEmptyListsAndKeepEveryVoltage) {
    block.VccTable = nullptr;
    block.VppTable = nullptr;
    block.VidTable = nullptr;
    const DeviceVoltages voltages(block);
    for (const Supply supply : kSupplies) {
        EXPECT_TRUE(voltages.list(supply).voltages.empty());
        EXPECT_EQ(voltages.list(supply).current, std::nullopt);
    }
    voltages.apply(block, VoltageChoice{0u, 0u, 0u});
    EXPECT_EQ(block.vcc, 35);
    EXPECT_EQ(block.vpp, 125);
    EXPECT_EQ(block.vid, 140);
}

TEST_F(DeviceVoltagesTest, OnlyAvailableWithAChip) {
    EXPECT_TRUE(DeviceVoltages::available(block));
    block.size = 0;
    EXPECT_FALSE(DeviceVoltages::available(block));
}

}  // namespace
}  // namespace veldrix
