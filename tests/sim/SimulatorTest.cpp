// The simulator's C interface and what it keeps between runs.

#include "Simulator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ContentStore.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"
#include "vxsim.h"

namespace veldrix::sim {
namespace {

class SimulatorTest : public ::testing::Test {
protected:
    void TearDown() override { vxsim_remove(); }

    std::vector<std::uint8_t> chipBytes(std::uint32_t address, std::uint32_t length) {
        std::vector<std::uint8_t> bytes(length);
        EXPECT_EQ(vxsim_read(address, bytes.data(), length), VXSIM_OK);
        return bytes;
    }
    std::string contents(const std::string& name) { return test::TempDir::read(dir.file(name)); }

    test::TempDir dir;
    test::ScopedEnvironment simDir{"VELDRIX_SIM_DIR", dir.path().c_str()};
};

TEST_F(SimulatorTest, InsertsEveryKindInItsSizesOnly) {
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_MICROWIRE, 32, nullptr), VXSIM_OK);
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_MICROWIRE, 2048, nullptr), VXSIM_OK);
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_MICROWIRE, 4096, nullptr), VXSIM_ERR_SIZE);
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_MICROWIRE, 96, nullptr), VXSIM_ERR_SIZE);
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_EEPROM, 524288, nullptr), VXSIM_OK);
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_EEPROM, 16384, nullptr), VXSIM_ERR_SIZE);
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_MUX_EPROM, 65536, nullptr), VXSIM_OK);
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_MUX_EPROM, 131072, nullptr), VXSIM_ERR_SIZE);
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_NONE, 32, nullptr), VXSIM_ERR_KIND);
    EXPECT_EQ(vxsim_insert(42, 32, nullptr), VXSIM_ERR_KIND);
    // A refused insert leaves the chip that was there.
    EXPECT_EQ(vxsim_chip_kind(), VXSIM_KIND_MUX_EPROM);
    EXPECT_EQ(vxsim_chip_size(), 65536u);
}

TEST_F(SimulatorTest, ModuleNamesChooseTheirKind) {
    EXPECT_EQ(vxsim_insert_for_module("urania", 128, nullptr), VXSIM_OK);
    EXPECT_EQ(vxsim_chip_kind(), VXSIM_KIND_MICROWIRE);
    EXPECT_EQ(vxsim_insert_for_module("Calypso", 131072, nullptr), VXSIM_OK);
    EXPECT_EQ(vxsim_chip_kind(), VXSIM_KIND_EEPROM);
    EXPECT_EQ(vxsim_insert_for_module("THALIA", 65536, nullptr), VXSIM_OK);
    EXPECT_EQ(vxsim_chip_kind(), VXSIM_KIND_MUX_EPROM);
    EXPECT_EQ(vxsim_insert_for_module("thaliax", 65536, nullptr), VXSIM_ERR_KIND);
    EXPECT_EQ(vxsim_insert_for_module(nullptr, 65536, nullptr), VXSIM_ERR_KIND);
}

TEST_F(SimulatorTest, EmptySocketAnswersEmpty) {
    EXPECT_EQ(vxsim_remove(), VXSIM_OK);
    EXPECT_EQ(vxsim_chip_kind(), VXSIM_KIND_NONE);
    EXPECT_EQ(vxsim_chip_size(), 0u);
    std::uint8_t byte = 0;
    EXPECT_EQ(vxsim_read(0, &byte, 1), VXSIM_ERR_EMPTY);
    EXPECT_EQ(vxsim_save(), VXSIM_ERR_EMPTY);
    EXPECT_EQ(vxsim_fault_stuck_bit(0, 0, 0), VXSIM_ERR_EMPTY);
}

TEST_F(SimulatorTest, ContentsAreReadAndPresetWithinTheChipOnly) {
    ASSERT_EQ(vxsim_insert(VXSIM_KIND_MICROWIRE, 128, nullptr), VXSIM_OK);
    EXPECT_EQ(chipBytes(0, 128), std::vector<std::uint8_t>(128, 0xFF));
    const std::uint8_t bytes[] = {1, 2, 3};
    EXPECT_EQ(vxsim_write(125, bytes, 3), VXSIM_OK);
    EXPECT_EQ(chipBytes(125, 3), std::vector<std::uint8_t>({1, 2, 3}));
    EXPECT_EQ(vxsim_write(126, bytes, 3), VXSIM_ERR_RANGE);
    EXPECT_EQ(vxsim_write(0xFFFFFFFFu, bytes, 2), VXSIM_ERR_RANGE);
    EXPECT_EQ(vxsim_read(0, nullptr, 1), VXSIM_ERR_RANGE);
    EXPECT_EQ(vxsim_read(128, nullptr, 0), VXSIM_OK);
}

TEST_F(SimulatorTest, ImageFilesPreloadTheChip) {
    ASSERT_EQ(vxsim_insert(VXSIM_KIND_MUX_EPROM, 256, dir.write("short.bin", "AB").c_str()),
              VXSIM_OK);
    EXPECT_EQ(chipBytes(0, 3), std::vector<std::uint8_t>({'A', 'B', 0xFF}));
    const std::string longImage(300, 'x');
    ASSERT_EQ(vxsim_insert(VXSIM_KIND_MUX_EPROM, 256, dir.write("long.bin", longImage).c_str()),
              VXSIM_OK);
    EXPECT_EQ(chipBytes(255, 1), std::vector<std::uint8_t>({'x'}));
    EXPECT_EQ(vxsim_insert(VXSIM_KIND_EEPROM, 32768, dir.file("absent.bin").c_str()),
              VXSIM_ERR_IMAGE);
    EXPECT_EQ(vxsim_chip_kind(), VXSIM_KIND_MUX_EPROM);
}

TEST_F(SimulatorTest, ContentsPersistPerKindAndSizeAcrossRemoval) {
    ASSERT_EQ(vxsim_insert(VXSIM_KIND_EEPROM, 32768, nullptr), VXSIM_OK);
    const std::uint8_t bytes[] = {0x12, 0x34};
    ASSERT_EQ(vxsim_write(100, bytes, 2), VXSIM_OK);
    ASSERT_EQ(vxsim_insert(VXSIM_KIND_EEPROM, 65536, nullptr), VXSIM_OK);  // saves the first
    EXPECT_EQ(chipBytes(100, 2), std::vector<std::uint8_t>({0xFF, 0xFF}));
    ASSERT_EQ(vxsim_insert(VXSIM_KIND_EEPROM, 32768, nullptr), VXSIM_OK);
    EXPECT_EQ(chipBytes(100, 2), std::vector<std::uint8_t>({0x12, 0x34}));
    const std::string file = contents("eeprom-32768.bin");
    ASSERT_EQ(file.size(), 32768u);
    EXPECT_EQ(file.substr(100, 2), "\x12\x34");
}

TEST_F(SimulatorTest, ARestartedSimulatorFindsWhatWasWrittenBeforePowerWentOff) {
    {
        Simulator first;
        ASSERT_EQ(first.insert(ChipKind::MuxEprom, 1024, nullptr), VXSIM_OK);
        const std::uint8_t byte = 0x5A;
        ASSERT_EQ(first.write(3, &byte, 1), VXSIM_OK);
        // A power-down of the socket saves changed contents.
        SimBoard& board = first.board();
        board.writeRegister(0, 0x80);
        board.writeRegister(2, 0x0F);
        board.writeRegister(2, 0x0C);  // latch 15 = 0x80: powered
        board.writeRegister(0, 0x00);
        board.writeRegister(2, 0x0F);
        board.writeRegister(2, 0x0C);  // unpowered
        EXPECT_EQ(contents("mux-eprom-1024.bin").substr(3, 1), "\x5A");
        ASSERT_EQ(first.write(4, &byte, 1), VXSIM_OK);
    }
    Simulator second;
    ASSERT_EQ(second.insert(ChipKind::MuxEprom, 1024, nullptr), VXSIM_OK);
    std::uint8_t bytes[2] = {};
    ASSERT_EQ(second.read(3, bytes, 2), VXSIM_OK);
    EXPECT_EQ(bytes[0], 0x5A);
    EXPECT_EQ(bytes[1], 0x5A);  // saved when the first one went
}

TEST_F(SimulatorTest, FaultsApplyOnlyWhereTheChipHasThem) {
    ASSERT_EQ(vxsim_insert(VXSIM_KIND_MICROWIRE, 32, nullptr), VXSIM_OK);
    EXPECT_EQ(vxsim_fault_slow_cell(0, 3), VXSIM_ERR_KIND);
    EXPECT_EQ(vxsim_set_identifier(1, 2), VXSIM_ERR_KIND);
    EXPECT_EQ(vxsim_fault_write_time(9000), VXSIM_OK);
    EXPECT_EQ(vxsim_fault_stuck_bit(31, 7, 0), VXSIM_OK);
    EXPECT_EQ(vxsim_fault_stuck_bit(32, 7, 0), VXSIM_ERR_RANGE);
    EXPECT_EQ(vxsim_fault_stuck_bit(0, 8, 0), VXSIM_ERR_RANGE);
    EXPECT_EQ(vxsim_fault_stuck_bit(0, 0, 2), VXSIM_ERR_RANGE);
    ASSERT_EQ(vxsim_insert(VXSIM_KIND_EEPROM, 32768, nullptr), VXSIM_OK);
    EXPECT_EQ(vxsim_fault_write_time(9000), VXSIM_ERR_KIND);
    EXPECT_EQ(vxsim_fault_slow_cell(32767, 3), VXSIM_OK);
    EXPECT_EQ(vxsim_set_identifier(1, 2), VXSIM_OK);
    EXPECT_EQ(vxsim_clear_faults(), VXSIM_OK);
}

TEST_F(SimulatorTest, StuckBitShowsInTheChipsAnswerButNotInItsCells) {
    Simulator sim;
    ASSERT_EQ(sim.insert(ChipKind::Eeprom, 32768, nullptr), VXSIM_OK);
    ASSERT_EQ(sim.addStuckBit(5, 6, 0), VXSIM_OK);
    EXPECT_EQ(sim.board().chip()->memory().read(5), 0xBF);
    std::uint8_t byte = 0;
    ASSERT_EQ(sim.read(5, &byte, 1), VXSIM_OK);
    EXPECT_EQ(byte, 0xFF);
    ASSERT_EQ(sim.clearFaults(), VXSIM_OK);
    EXPECT_EQ(sim.board().chip()->memory().read(5), 0xFF);
}

std::vector<std::string> traceLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        std::string line = text.substr(start, end - start);
        if (line.size() > 10 && line[0] != '#') {
            line = line.substr(11);  // without the time column
        }
        lines.push_back(line);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

TEST_F(SimulatorTest, TraceNamedByTheEnvironmentRecordsFromTheStart) {
    const std::string path = dir.file("env.trace");
    {
        test::ScopedEnvironment trace{"VELDRIX_SIM_TRACE", path.c_str()};
        Simulator sim;
        ASSERT_EQ(sim.insert(ChipKind::Eeprom, 65536, nullptr), VXSIM_OK);
        sim.board().writeRegister(0, 0x9B);
        sim.board().writeRegister(2, 0x85);
        sim.board().writeRegister(2, 0x04);
        sim.board().writeRegister(2, 0x2E);
        (void)sim.board().readRegister(0);
        sim.board().writeRegister(2, 0x0C);
    }
    EXPECT_EQ(traceLines(contents("env.trace")),
              (std::vector<std::string>{"# insert eeprom 65536", "W 05 9B", "R 0E 00"}));
}

TEST_F(SimulatorTest, TraceCanBeStartedAndEndedThroughTheInterface) {
    const std::string path = dir.file("api.trace");
    ASSERT_EQ(vxsim_trace_open(path.c_str()), VXSIM_OK);
    ASSERT_EQ(vxsim_insert(VXSIM_KIND_MICROWIRE, 32, nullptr), VXSIM_OK);
    ASSERT_EQ(vxsim_remove(), VXSIM_OK);
    ASSERT_EQ(vxsim_trace_close(), VXSIM_OK);
    EXPECT_EQ(traceLines(contents("api.trace")),
              (std::vector<std::string>{"# insert microwire 32", "# remove"}));
    EXPECT_EQ(vxsim_trace_open(dir.file("no/such/dir/x.trace").c_str()), VXSIM_ERR_IO);
}

TEST(ContentStore, DirectoryComesFromTheOverrideThenXdgThenHome) {
    test::ScopedEnvironment home{"HOME", "/home/someone"};
    test::ScopedEnvironment xdg{"XDG_DATA_HOME", nullptr};
    test::ScopedEnvironment own{"VELDRIX_SIM_DIR", nullptr};
    EXPECT_EQ(contentDirectory(), std::filesystem::path("/home/someone/.local/share/VELDRIX/sim"));
    {
        test::ScopedEnvironment data{"XDG_DATA_HOME", "/data"};
        EXPECT_EQ(contentDirectory(), std::filesystem::path("/data/VELDRIX/sim"));
        test::ScopedEnvironment override{"VELDRIX_SIM_DIR", "/tmp/sim"};
        EXPECT_EQ(contentFile(ChipKind::Microwire, 128),
                  std::filesystem::path("/tmp/sim/microwire-128.bin"));
    }
    test::ScopedEnvironment noHome{"HOME", nullptr};
    EXPECT_TRUE(contentFile(ChipKind::Eeprom, 32768).empty());
}

TEST(SimClock, ManualClockStandsStillAndNeitherSwitchGoesBackwards) {
    SimClock clock;
    clock.setManual(true);
    const std::uint64_t start = clock.nowNanoseconds();
    EXPECT_EQ(clock.nowNanoseconds(), start);
    clock.advance(3'000'000'000u);
    EXPECT_EQ(clock.nowNanoseconds(), start + 3'000'000'000'000u);
    clock.setManual(false);
    EXPECT_GE(clock.nowNanoseconds(), start + 3'000'000'000'000u);
}

}  // namespace
}  // namespace veldrix::sim
