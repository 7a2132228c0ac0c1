#include "core/SimulatedFault.h"

#include <gtest/gtest.h>

namespace veldrix {
namespace {

using Kind = SimulatedFaultKind;

TEST(SimulatedFault, EveryFormReadsIntoItsFields) {
    EXPECT_EQ(parseSimulatedFault("stuck:0x1234:3:0"),
              (SimulatedFault{.kind = Kind::StuckBit, .address = 0x1234, .line = 3}));
    EXPECT_EQ(parseSimulatedFault("dataline:7:1"),
              (SimulatedFault{.kind = Kind::DataLine, .line = 7, .level = 1}));
    EXPECT_EQ(parseSimulatedFault("addrline:$0C:1"),
              (SimulatedFault{.kind = Kind::AddressLine, .line = 12, .level = 1}));
    EXPECT_EQ(parseSimulatedFault("intermittent:2:0FFFFFFFFh"),
              (SimulatedFault{.kind = Kind::IntermittentBit, .line = 2, .seed = 0xFFFFFFFF}));
    EXPECT_EQ(parseSimulatedFault("statusline:3:0"),
              (SimulatedFault{.kind = Kind::StatusLine, .line = 3}));
    EXPECT_EQ(parseSimulatedFault("absent"), (SimulatedFault{.kind = Kind::BoardAbsent}));
}

TEST(SimulatedFault, NumbersOutOfRangeAreRefused) {
    EXPECT_FALSE(parseSimulatedFault("stuck:0:8:0"));
    EXPECT_FALSE(parseSimulatedFault("stuck:0:0:2"));
    EXPECT_FALSE(parseSimulatedFault("stuck:0x100000000:0:0"));
    EXPECT_FALSE(parseSimulatedFault("dataline:8:0"));
    EXPECT_FALSE(parseSimulatedFault("addrline:32:0"));
    EXPECT_TRUE(parseSimulatedFault("addrline:31:0"));
    EXPECT_FALSE(parseSimulatedFault("intermittent:8:5"));
    EXPECT_FALSE(parseSimulatedFault("statusline:2:0")) << "bits 0-2 are no status lines";
    EXPECT_FALSE(parseSimulatedFault("statusline:8:1"));
    EXPECT_FALSE(parseSimulatedFault("dataline:-1:0"));
}

TEST(SimulatedFault, AnythingButExactlyTheFieldsOfAFormIsRefused) {
    for (const char* text :
         {"", "stuck", "stuck:1:2", "stuck:1:2:1:0", "stuck:1:2:1:", "stuck::2:1", "dataline:1",
          "dataline:1:1:1", "dataline 1:1", "Dataline:1:1", "datalines:1:1", "absent:0", "absently",
          "intermittent:1", "addrline:x:1", "statusline:3:1 ", "line:1:1"}) {
        EXPECT_FALSE(parseSimulatedFault(text)) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace veldrix
