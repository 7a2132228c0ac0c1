// Direct port instructions hand the port back as they took it: the extended
// control register regains its byte and the permission is returned, however
// the backend goes (a base address change, the driver unloading).

#include "portio/DirectPortIo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ParallelRegisters.h"
#include "PcPortModel.h"
#include "parlink/ParlinkProtocol.h"
#include "portio/PortAccess.h"

namespace veldrix::portio {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint16_t kBase = 0x278;
constexpr std::uint16_t kEcr = kBase + board::kEcpControlRegister;

class DirectPortIoTest : public ::testing::Test {
protected:
    test::PcPortInstructions port{kBase};
};

TEST_F(DirectPortIoTest, WithoutPermissionNothingOpensAndNothingStaysGranted) {
    port.refused = {kBase + 1};
    EXPECT_EQ(DirectPortIo::open(kBase, port), nullptr);
    EXPECT_THAT(port.granted, IsEmpty());
}

TEST_F(DirectPortIoTest, ReturnsThePermissionItTook) {
    {
        const auto io = DirectPortIo::open(kBase, port);
        ASSERT_NE(io, nullptr);
        EXPECT_THAT(port.granted, ElementsAre(kBase, kBase + 1, kBase + 2, kBase + 3, kEcr));
    }
    EXPECT_THAT(port.granted, IsEmpty());
    EXPECT_EQ(port.faults, 0);
}

TEST_F(DirectPortIoTest, ExtendedControlRegisterGetsItsFirstByteBackAtTheEnd) {
    {
        const auto io = DirectPortIo::open(kBase, port);
        ASSERT_NE(io, nullptr);
        io->out(kEcr, 0x35);
        io->out(kEcr, 0x34);
        EXPECT_EQ(io->in(kEcr), 0x34);
    }
    EXPECT_THAT(port.ecrWrites, ElementsAre(0x35, 0x34, 0x15));
    EXPECT_EQ(port.registers.ecr, 0x15);
    EXPECT_EQ(port.faults, 0) << "the byte goes back before the permission does";
}

TEST_F(DirectPortIoTest, AnUntouchedExtendedControlRegisterIsLeftAlone) {
    {
        const auto io = DirectPortIo::open(kBase, port);
        ASSERT_NE(io, nullptr);
        io->out(kBase + board::kControlRegister, 0x0C);
        (void)io->in(kEcr);
    }
    EXPECT_THAT(port.ecrWrites, IsEmpty());
}

TEST_F(DirectPortIoTest, ARefusedExtendedControlRegisterFloatsAndIsNeverTouched) {
    port.refused = {kEcr};
    {
        const auto io = DirectPortIo::open(kBase, port);
        ASSERT_NE(io, nullptr);
        io->out(kEcr, 0x35);
        EXPECT_EQ(io->in(kEcr), 0xFF);
        io->out(kBase, 0x88);
        EXPECT_EQ(io->in(kBase), 0x88);
    }
    EXPECT_THAT(port.ecrWrites, IsEmpty());
    EXPECT_THAT(port.granted, IsEmpty());
    EXPECT_EQ(port.faults, 0);
}

// The system's backends with the port instructions on the model.
class ModelBackends final : public PortBackends {
public:
    explicit ModelBackends(test::PcPortInstructions& port) : port_(port) {}
    std::unique_ptr<IPortIo> simulated(std::uint16_t) override { return nullptr; }
    std::unique_ptr<IPortIo> direct(std::uint16_t base) override {
        return DirectPortIo::open(base, port_);
    }
    std::unique_ptr<IPortIo> ppdev(std::uint16_t) override { return nullptr; }

private:
    test::PcPortInstructions& port_;
};

TEST_F(DirectPortIoTest, ThePortIsHandedBackWhenTheDriverMovesToAnotherPort) {
    PortAccess access(std::make_unique<ModelBackends>(port));
    drivers::ParlinkProtocol protocol;
    (void)protocol.init(drivers::ParallelPort(access.forBase(kBase), kBase), 0x35);
    EXPECT_EQ(port.registers.ecr, 0x35);
    constexpr std::uint16_t kOther = 0x3BC;
    (void)access.forBase(kOther);
    EXPECT_EQ(port.registers.ecr, 0x15);
    EXPECT_THAT(port.granted, ElementsAre(kOther, kOther + 1, kOther + 2, kOther + 3,
                                          kOther + board::kEcpControlRegister));
    EXPECT_EQ(port.faults, 0);
}

}  // namespace
}  // namespace veldrix::portio
