#include "portio/PortAccess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingPortIo.h"
#include "vxsim.h"

namespace veldrix::portio {
namespace {

// Backends that say which one was asked for, and offer what a test allows.
class FakeBackends final : public PortBackends {
public:
    struct Offer {
        bool direct = false;
        bool ppdev = false;
    };
    explicit FakeBackends(Offer offer, std::vector<std::string>& asked)
        : offer_(offer), asked_(asked) {}

    std::unique_ptr<IPortIo> simulated(std::uint16_t) override { return made("sim", true); }
    std::unique_ptr<IPortIo> direct(std::uint16_t) override {
        return made("direct", offer_.direct);
    }
    std::unique_ptr<IPortIo> ppdev(std::uint16_t) override { return made("ppdev", offer_.ppdev); }

private:
    std::unique_ptr<IPortIo> made(const std::string& kind, bool offered) {
        asked_.push_back(kind);
        return offered ? std::make_unique<test::RecordingPortIo>() : nullptr;
    }
    Offer offer_;
    std::vector<std::string>& asked_;
};

std::vector<std::string> askedFor(std::uint16_t base, FakeBackends::Offer offer) {
    std::vector<std::string> asked;
    PortAccess access(std::make_unique<FakeBackends>(offer, asked));
    (void)access.forBase(base);
    return asked;
}

TEST(PortAccess, ReservedAddressGoesToTheSimulatedBoardOnly) {
    EXPECT_EQ(askedFor(VXSIM_BASE_ADDRESS, {true, true}), std::vector<std::string>{"sim"});
}

TEST(PortAccess, PrefersDirectAccessThenPpdev) {
    EXPECT_EQ(askedFor(0x378, {true, true}), std::vector<std::string>{"direct"});
    EXPECT_EQ(askedFor(0x378, {false, true}), (std::vector<std::string>{"direct", "ppdev"}));
}

TEST(PortAccess, WithNothingOfferedThePortFloats) {
    std::vector<std::string> asked;
    PortAccess access(std::make_unique<FakeBackends>(FakeBackends::Offer{}, asked));
    IPortIo& io = access.forBase(0x278);
    io.out(0x278, 0x12);
    EXPECT_EQ(io.in(0x278), 0xFF);
    EXPECT_EQ(io.in(0x279), 0xFF);
}

TEST(PortAccess, KeepsItsChoiceUntilTheBaseAddressChanges) {
    std::vector<std::string> asked;
    PortAccess access(std::make_unique<FakeBackends>(FakeBackends::Offer{true, false}, asked));
    IPortIo* first = &access.forBase(0x378);
    EXPECT_EQ(&access.forBase(0x378), first);
    EXPECT_EQ(asked.size(), 1u);
    (void)access.forBase(VXSIM_BASE_ADDRESS);
    (void)access.forBase(0x378);
    EXPECT_EQ(asked, (std::vector<std::string>{"direct", "sim", "direct"}));
}

TEST(PortAccess, ABackendThatThrowsLeavesTheFloatingBus) {
    class ThrowingBackends final : public PortBackends {
    public:
        std::unique_ptr<IPortIo> simulated(std::uint16_t) override { throw std::bad_alloc(); }
        std::unique_ptr<IPortIo> direct(std::uint16_t) override { throw std::bad_alloc(); }
        std::unique_ptr<IPortIo> ppdev(std::uint16_t) override { throw std::bad_alloc(); }
    };
    PortAccess access(std::make_unique<ThrowingBackends>());
    EXPECT_EQ(access.forBase(0x378).in(0x378), 0xFF);
    EXPECT_EQ(access.forBase(VXSIM_BASE_ADDRESS).in(VXSIM_BASE_ADDRESS + 1), 0xFF);
}

}  // namespace
}  // namespace veldrix::portio
