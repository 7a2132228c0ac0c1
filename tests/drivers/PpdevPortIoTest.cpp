#include "portio/PpdevPortIo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "portio/PpdevFinder.h"

namespace veldrix::portio {
namespace {

using ::testing::ElementsAre;

// A ppdev device that logs the operations the mapping asks of it.
class LoggingDevice final : public PpdevDevice {
public:
    explicit LoggingDevice(std::vector<std::string>& log) : log_(log) {}

    void writeData(std::uint8_t value) override { log_.push_back("data " + hex(value)); }
    std::uint8_t readData() override { return 0xA1; }
    std::uint8_t readStatus() override { return 0xB2; }
    void writeControl(std::uint8_t lines) override { log_.push_back("control " + hex(lines)); }
    std::uint8_t readControl() override { return 0xC4; }
    void setDataInput(bool input) override { log_.push_back(input ? "input" : "output"); }

private:
    static std::string hex(std::uint8_t value) {
        char text[3];
        std::snprintf(text, sizeof text, "%02X", value);
        return text;
    }
    std::vector<std::string>& log_;
};

constexpr std::uint16_t kBase = 0x378;

class PpdevPortIoTest : public ::testing::Test {
protected:
    std::vector<std::string> log;
    PpdevPortIo io{std::make_unique<LoggingDevice>(log), kBase};
};

TEST_F(PpdevPortIoTest, StartsWithOutputsAndTheDevicesControlLines) {
    EXPECT_THAT(log, ElementsAre("output"));
    EXPECT_EQ(io.in(kBase + 2), 0x04);
}

TEST_F(PpdevPortIoTest, DataAndStatusMapOntoTheirOperations) {
    io.out(kBase, 0x5A);
    EXPECT_EQ(io.in(kBase), 0xA1);
    EXPECT_EQ(io.in(kBase + 1), 0xB2);
    EXPECT_EQ(log.back(), "data 5A");
}

TEST_F(PpdevPortIoTest, DirectionBitGoesThroughTheDirectionCallAroundTheStrobeLines) {
    log.clear();
    io.out(kBase + 2, 0x2E);  // read pattern: inputs first
    io.out(kBase + 2, 0x0C);  // back: lines first, outputs after
    io.out(kBase + 2, 0x05);  // no direction change
    EXPECT_THAT(log, ElementsAre("input", "control 0E", "control 0C", "output", "control 05"));
}

TEST_F(PpdevPortIoTest, ControlReadsComeFromTheSoftCopyIncludingTheDirectionBit) {
    io.out(kBase + 2, 0xAE);
    EXPECT_EQ(io.in(kBase + 2), 0xAE);
}

TEST_F(PpdevPortIoTest, UnreachableRegistersFloatAndIgnoreWrites) {
    log.clear();
    io.out(kBase + 0x402, 0x35);
    io.out(kBase + 1, 0x11);
    io.out(kBase + 3, 0x11);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(io.in(kBase + 0x402), 0xFF);
    EXPECT_EQ(io.in(kBase + 3), 0xFF);
}

TEST(PpdevFinder, FindsThePortByItsDecimalBaseAddressWhateverItsNumber) {
    test::TempDir dir;
    dir.write("parport/parport0/base-addr", "632\t1656\n");  // 0x278
    dir.write("parport/parport1/base-addr", "888\t1912\n");  // 0x378
    dir.write("parport/default/base-addr", "888\n");
    dir.write("parport/parportx/base-addr", "956\n");
    const PpdevLocations where{dir.path() / "parport", "/dev"};
    EXPECT_EQ(findPpdevDevice(0x378, where), "/dev/parport1");
    EXPECT_EQ(findPpdevDevice(0x278, where), "/dev/parport0");
    EXPECT_EQ(findPpdevDevice(0x3BC, where), "");
}

TEST(PpdevFinder, MissingOrBrokenListingFindsNothing) {
    test::TempDir dir;
    EXPECT_EQ(findPpdevDevice(0x378, {dir.path() / "absent", "/dev"}), "");
    dir.write("parport/parport0/base-addr", "not a number");
    EXPECT_EQ(findPpdevDevice(0x378, {dir.path() / "parport", "/dev"}), "");
}

}  // namespace
}  // namespace veldrix::portio
