// Faults the simulated chips can be given, and what each module makes of
// them through the real driver: calypso's pre-check and its repeated pulses,
// thalia's single pulse, urania's fixed write wait, an empty socket.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "CalypsoResults.h"
#include "ChipRowFixture.h"

namespace veldrix::test {
namespace {

using testing::ElementsAre;

class CalypsoFaultTest : public ChipRowFixture {};

TEST_P(CalypsoFaultTest, PreCheckRefusesToTurnAClearedBitBackOn) {
    const std::uint32_t at = 0x1234;
    ASSERT_EQ(rig.store(at, {0x3F}), VXSIM_OK);
    host.buffer[at - 1] = 0x00;
    host.buffer[at] = 0x7F;
    ASSERT_EQ(run(DD_FN_WRITE), DD_VERIFY_FAILED);
    EXPECT_EQ(host.block.erraddr, at);
    EXPECT_EQ(host.block.errdata, 0x3Fu);
    const auto contents = rig.contents();
    EXPECT_EQ(contents[at - 1], 0x00);
    EXPECT_EQ(contents[at], 0x3F);
    EXPECT_EQ(contents[at + 1], 0xFF) << "nothing written after the refusal";
}

TEST_P(CalypsoFaultTest, SlowCellIsProgrammedByRepeatedPulses) {
    const auto image = randomImage(row.size, 11);
    ASSERT_EQ(rig.slowCell(100, 5), VXSIM_OK);
    host.buffer = image;
    ASSERT_EQ(run(DD_FN_WRITE), DD_OK);
    EXPECT_EQ(rig.contents(), image);
}

TEST_P(CalypsoFaultTest, CellNeedingMorePulsesThanAllowedFails) {
    module.key("Nnum")->value = 3;
    ASSERT_EQ(rig.slowCell(100, 5), VXSIM_OK);
    host.buffer[100] = 0x00;
    ASSERT_EQ(run(DD_FN_WRITE), DD_VERIFY_FAILED);
    EXPECT_EQ(host.block.erraddr, 100u);
    EXPECT_EQ(host.block.errdata, 0xFFu);
}

TEST_P(CalypsoFaultTest, InsertionTestNoticesAnEmptySocket) {
    host.block.testins = 1;
    ASSERT_EQ(run(DD_FN_TEST), DD_OK);
    EXPECT_TRUE(host.messages().empty());
    ASSERT_EQ(rig.removeChip(), VXSIM_OK);
    EXPECT_EQ(run(DD_FN_TEST), veldrix::calypso::kNoChipInserted);
    EXPECT_THAT(host.messages(), ElementsAre("EEPROM not connected!"));
}

INSTANTIATE_TEST_SUITE_P(Rows, CalypsoFaultTest,
                         testing::Values(ChipRow{"calypso", 32768}, ChipRow{"calypso", 131072}),
                         chipRowName);

class ThaliaFaultTest : public ChipRowFixture {};

TEST_P(ThaliaFaultTest, SinglePulseCannotProgramASlowCell) {
    ASSERT_EQ(rig.slowCell(0x0200, 2), VXSIM_OK);
    host.buffer.assign(row.size, 0x55);
    ASSERT_EQ(run(DD_FN_WRITE), DD_VERIFY_FAILED);
    EXPECT_EQ(host.block.erraddr, 0x0200u);
    EXPECT_EQ(host.block.errdata, 0xFFu);
}

TEST_P(ThaliaFaultTest, WithoutWriteCheckTheFailureGoesUnnoticed) {
    ASSERT_EQ(rig.slowCell(0x0200, 2), VXSIM_OK);
    host.block.checkwr = 0;
    host.buffer.assign(row.size, 0x55);
    ASSERT_EQ(run(DD_FN_WRITE), DD_OK);
    ASSERT_EQ(run(DD_FN_COMPARE), DD_OK);
    EXPECT_EQ(host.block.errdata, 1u);
    EXPECT_THAT(host.markedAddresses(), ElementsAre(0x0200u));
}

INSTANTIATE_TEST_SUITE_P(Rows, ThaliaFaultTest, testing::Values(ChipRow{"thalia", 65536}),
                         chipRowName);

class UraniaFaultTest : public ChipRowFixture {};

TEST_P(UraniaFaultTest, ChipSlowerThanTheWriteWaitFailsVerification) {
    ASSERT_EQ(rig.writeTime(6000), VXSIM_OK);
    host.buffer = randomImage(row.size, 12);
    ASSERT_EQ(run(DD_FN_WRITE), DD_VERIFY_FAILED);
    EXPECT_EQ(host.block.erraddr, 0u);
}

TEST_P(UraniaFaultTest, ChipWithinTheWriteWaitIsWritten) {
    ASSERT_EQ(rig.writeTime(1900), VXSIM_OK);
    const auto image = randomImage(row.size, 13);
    host.buffer = image;
    ASSERT_EQ(run(DD_FN_WRITE), DD_OK);
    EXPECT_EQ(rig.contents(), image);
}

INSTANTIATE_TEST_SUITE_P(Rows, UraniaFaultTest,
                         testing::Values(ChipRow{"urania", 32}, ChipRow{"urania", 2048}),
                         chipRowName);

}  // namespace
}  // namespace veldrix::test
