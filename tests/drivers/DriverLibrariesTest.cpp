// The built driver libraries, loaded as the program loads them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ElfExports.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"
#include "common/PortEntry.h"
#include "dlldata.h"
#include "platform/DynamicLibrary.h"
#include "vxsim.h"

namespace veldrix {
namespace {

using drivers::PortEntry;
using platform::DynamicLibrary;

const std::set<std::string> kDriverNames = {"init",     "bdport",   "voltage",  "portadr",
                                            "VccTable", "VppTable", "VidTable", "pPorts"};
const std::set<std::string> kSimulatorNames = {"vxsim_insert",
                                               "vxsim_insert_for_module",
                                               "vxsim_remove",
                                               "vxsim_chip_kind",
                                               "vxsim_chip_size",
                                               "vxsim_read",
                                               "vxsim_write",
                                               "vxsim_save",
                                               "vxsim_set_identifier",
                                               "vxsim_fault_stuck_bit",
                                               "vxsim_fault_slow_cell",
                                               "vxsim_fault_write_time",
                                               "vxsim_fault_data_line",
                                               "vxsim_fault_address_line",
                                               "vxsim_fault_intermittent_bit",
                                               "vxsim_fault_board_absent",
                                               "vxsim_fault_status_line",
                                               "vxsim_clear_faults",
                                               "vxsim_clock_manual",
                                               "vxsim_clock_advance",
                                               "vxsim_trace_open",
                                               "vxsim_trace_close"};

struct PortRow {
    std::uint32_t address;
    std::string label;
    std::string name;
    std::uint8_t number;
    std::uint8_t kind;
    bool operator==(const PortRow&) const = default;
};

struct DriverCase {
    const char* file;
    bool hasEcr;
    std::uint16_t portadr;
    std::vector<PortRow> ports;
};

const std::vector<PortRow> kLptRows = {{0x378, "LPT1 - 0x378", "LPT1", 0, 1},
                                       {0x278, "LPT2 - 0x278", "LPT2", 1, 1},
                                       {0x3BC, "LPT3 - 0x3BC", "LPT3", 2, 1}};

std::string driverPath(const char* file) {
    return std::string(VELDRIX_DRIVER_DIR) + "/" + file;
}

class DriverLibraryTest : public ::testing::TestWithParam<DriverCase> {
protected:
    void SetUp() override { ASSERT_TRUE(library.loaded()) << library.error(); }

    test::TempDir simDir;
    test::ScopedEnvironment simDirVariable{"VELDRIX_SIM_DIR", simDir.path().c_str()};
    DynamicLibrary library{driverPath(GetParam().file)};
};

TEST_P(DriverLibraryTest, ExportsTheDriverNamesAndTheSimulatorAndNothingElse) {
    std::set<std::string> expected = kDriverNames;
    expected.insert(kSimulatorNames.begin(), kSimulatorNames.end());
    if (GetParam().hasEcr) {
        expected.insert("ecr");
    }
    EXPECT_EQ(test::definedDynamicSymbols(driverPath(GetParam().file)), expected);
    for (const std::string& name : expected) {
        EXPECT_NE(library.symbol(name.c_str()), nullptr) << name;
    }
}

TEST_P(DriverLibraryTest, DataExportsHoldTheBoardsDefaults) {
    EXPECT_EQ(*library.data<std::uint16_t>("portadr"), GetParam().portadr);
    if (GetParam().hasEcr) {
        EXPECT_EQ(*library.data<std::uint8_t>("ecr"), 0x35);
    }
    const auto* vcc = library.data<std::uint16_t>("VccTable");
    EXPECT_THAT(std::vector<std::uint16_t>(vcc, vcc + 5),
                ::testing::ElementsAre(4, 45, 50, 55, 60));
    const auto* vid = library.data<std::uint16_t>("VidTable");
    EXPECT_THAT(std::vector<std::uint16_t>(vid, vid + 3), ::testing::ElementsAre(2, 120, 140));
    const auto* vpp = library.data<std::uint16_t>("VppTable");
    EXPECT_EQ(vpp[0], 32);
    EXPECT_EQ(vpp[10], 125);
    EXPECT_EQ(vpp[32], 260);

    std::vector<PortRow> ports;
    for (const PortEntry* entry = *library.data<const PortEntry*>("pPorts"); entry != nullptr;
         entry = entry->next) {
        ports.push_back({entry->address, entry->label, entry->name, entry->number, entry->kind});
    }
    EXPECT_EQ(ports, GetParam().ports);
}

TEST_P(DriverLibraryTest, PresenceTestPassesOnTheSimulatedBoard) {
    *library.data<std::uint16_t>("portadr") = VXSIM_BASE_ADDRESS;
    EXPECT_EQ(library.function<dd_driver_init_fn>("init")(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Drivers, DriverLibraryTest,
    ::testing::Values(DriverCase{"parlink.so", true, 0x378, kLptRows},
                      DriverCase{"tessaro.so", true, 0x378, kLptRows},
                      DriverCase{"holtan.so", true, 0x378, kLptRows},
                      DriverCase{
                          "serlink.so", false, 0x3F8, {{0x3F8, "COM1 - 0x3F8", "COM1", 0, 2}}}),
    [](const auto& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

// The driver's exports and its simulator's C interface, looked up by name.
struct BoundDriver {
    explicit BoundDriver(const char* file) : library(driverPath(file)) {}
    DynamicLibrary library;
    std::uint16_t& portadr() { return *library.data<std::uint16_t>("portadr"); }
    std::uint8_t bus(std::uint32_t word) { return library.function<dd_bdport_fn>("bdport")(word); }
    template <class F>
    F sim(const char* name) {
        return library.function<F>(name);
    }
};

TEST(ParlinkOnTheSimulatedBoard, ReadsTheByteTheSocketHolds) {
    test::TempDir simDir;
    test::ScopedEnvironment simDirVariable{"VELDRIX_SIM_DIR", simDir.path().c_str()};
    BoundDriver parlink("parlink.so");
    ASSERT_TRUE(parlink.library.loaded());
    parlink.portadr() = VXSIM_BASE_ADDRESS;
    ASSERT_EQ(parlink.library.function<dd_driver_init_fn>("init")(), 0u);
    ASSERT_EQ(parlink.sim<vxsim_insert_for_module_fn>("vxsim_insert_for_module")("calypso", 32768,
                                                                                 nullptr),
              VXSIM_OK);
    const std::uint8_t stored = 0x5A;
    ASSERT_EQ(parlink.sim<vxsim_write_fn>("vxsim_write")(0x1234, &stored, 1), VXSIM_OK);

    // A 32 KB part's read: power-up, then A0-A7, A8-A15 with A15 held high,
    // /CE and /OE low, and the data lines.
    for (std::uint32_t word : {0x8780u, 0x8600u, 0x8582u}) {
        parlink.bus(word);
    }
    parlink.library.function<dd_driver_voltage_fn>("voltage")(50, 125, 140);
    parlink.bus(0x0F40);
    parlink.bus(0x0934);
    parlink.bus(0x0192);
    parlink.bus(0x0B80);
    EXPECT_EQ(parlink.bus(0x0E00), stored);
    parlink.bus(0x0000);
    EXPECT_EQ(parlink.sim<vxsim_void_fn>("vxsim_remove")(), VXSIM_OK);
}

// The board accesses of a trace, without the time column.
std::vector<std::string> traceEvents(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> events;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string time;
        fields >> time;
        std::string rest;
        std::getline(fields, rest);
        events.push_back(rest);
    }
    return events;
}

std::vector<std::string> everyBusWordThrough(const char* file, const std::string& tracePath) {
    BoundDriver driver(file);
    EXPECT_TRUE(driver.library.loaded());
    driver.portadr() = VXSIM_BASE_ADDRESS;
    EXPECT_EQ(driver.sim<vxsim_trace_open_fn>("vxsim_trace_open")(tracePath.c_str()), VXSIM_OK);
    for (std::uint32_t word = 0; word <= 0xFFFF; ++word) {
        driver.bus(word);
    }
    driver.library.function<dd_driver_voltage_fn>("voltage")(55, 210, 140);
    EXPECT_EQ(driver.sim<vxsim_void_fn>("vxsim_trace_close")(), VXSIM_OK);
    return traceEvents(tracePath);
}

TEST(SerlinkAndParlink, SendTheSameBoardAccessesForEveryBusWord) {
    test::TempDir dir;
    const auto parlink = everyBusWordThrough("parlink.so", dir.file("parlink.trace"));
    const auto serlink = everyBusWordThrough("serlink.so", dir.file("serlink.trace"));
    EXPECT_GT(parlink.size(), 65536u / 4);
    EXPECT_TRUE(parlink == serlink);
}

}  // namespace
}  // namespace veldrix
