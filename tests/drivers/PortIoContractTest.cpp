// What every port backend promises the drivers, run against each backend that
// can run here: the simulated board, the floating bus, the recording fake,
// and ppdev and direct port instructions on a model of a PC port.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ParallelRegisters.h"
#include "PcPortModel.h"
#include "RecordingPortIo.h"
#include "SimBoard.h"
#include "portio/DirectPortIo.h"
#include "portio/FloatingPortIo.h"
#include "portio/PpdevPortIo.h"
#include "portio/SimulatedPortIo.h"

namespace veldrix::portio {
namespace {

constexpr std::uint16_t kBase = 0x378;
constexpr std::uint16_t kData = kBase + board::kDataRegister;
constexpr std::uint16_t kStatus = kBase + board::kStatusRegister;
constexpr std::uint16_t kControl = kBase + board::kControlRegister;

// Addresses that are none of the port's registers.
const std::uint16_t kElsewhere[] = {0x0000, kBase - 1, kBase + 4,     kBase + 0x3FF,
                                    0x278,  0x3BC,     kBase + 0x403, 0xFFFF};

// A backend with whatever it stands on, released in the reverse order.
struct Backend {
    Backend() = default;
    Backend(Backend&&) = default;
    ~Backend() {
        while (!keep.empty()) {
            keep.pop_back();
        }
    }

    std::vector<std::shared_ptr<void>> keep;
    IPortIo* io = nullptr;
};

struct BackendCase {
    std::string name;
    bool answers;  // false: nothing is behind the port, every read is 0xFF
    std::function<Backend()> make;
};

template <class T, class... Args>
T& hold(Backend& backend, Args&&... args) {
    auto object = std::make_shared<T>(std::forward<Args>(args)...);
    backend.keep.push_back(object);
    return *object;
}

Backend simulated() {
    Backend b;
    auto& clock = hold<sim::SimClock>(b);
    auto& trace = hold<sim::TraceWriter>(b);
    auto& board = hold<sim::SimBoard>(b, clock, trace);
    b.io = &hold<SimulatedPortIo>(b, board, kBase);
    return b;
}

Backend floating() {
    Backend b;
    b.io = &hold<FloatingPortIo>(b);
    return b;
}

Backend recordingSimulated() {
    Backend b = simulated();
    b.io = &hold<test::RecordingPortIo>(b, b.io);
    return b;
}

Backend ppdev() {
    Backend b;
    auto& registers = hold<test::PcPortRegisters>(b);
    b.io = &hold<PpdevPortIo>(b, std::make_unique<test::PcPortDevice>(registers), kBase);
    return b;
}

Backend direct() {
    Backend b;
    auto& instructions = hold<test::PcPortInstructions>(b, kBase);
    std::shared_ptr<IPortIo> io = DirectPortIo::open(kBase, instructions);
    b.keep.push_back(io);
    b.io = io.get();
    return b;
}

std::string caseName(const testing::TestParamInfo<BackendCase>& info) {
    return info.param.name;
}

class PortIoContractTest : public testing::TestWithParam<BackendCase> {
protected:
    void SetUp() override { ASSERT_NE(io, nullptr); }

    // What a register that answers reads after `written`.
    [[nodiscard]] std::uint8_t expected(std::uint8_t written) const {
        return GetParam().answers ? written : FloatingPortIo::kFloatingLines;
    }

    Backend backend = GetParam().make();
    IPortIo* io = backend.io;
};

TEST_P(PortIoContractTest, ControlRegisterReadsBackTheByteWritten) {
    for (const std::uint8_t value : {0x0C, 0x2E, 0x04, 0x00}) {
        io->out(kControl, value);
        EXPECT_EQ(io->in(kControl), expected(value)) << int(value);
    }
}

TEST_P(PortIoContractTest, DrivenDataLinesReadBackTheByteWritten) {
    io->out(kControl, 0x0C);
    for (const std::uint8_t value : {0x88, 0x00, 0x5A}) {
        io->out(kData, value);
        EXPECT_EQ(io->in(kData), expected(value)) << int(value);
    }
}

TEST_P(PortIoContractTest, StatusRegisterIgnoresWrites) {
    io->out(kControl, 0x0C);
    const std::uint8_t status = io->in(kStatus);
    io->out(kStatus, static_cast<std::uint8_t>(~status));
    EXPECT_EQ(io->in(kStatus), status);
}

TEST_P(PortIoContractTest, ReadingChangesNothing) {
    io->out(kControl, 0x0C);
    io->out(kData, 0x3C);
    const std::uint8_t first[] = {io->in(kData), io->in(kStatus), io->in(kControl)};
    const std::uint8_t again[] = {io->in(kData), io->in(kStatus), io->in(kControl)};
    EXPECT_EQ(std::vector<std::uint8_t>(std::begin(first), std::end(first)),
              std::vector<std::uint8_t>(std::begin(again), std::end(again)));
}

TEST_P(PortIoContractTest, OtherAddressesFloatAndLeaveThePortAlone) {
    io->out(kControl, 0x0C);
    io->out(kData, 0x3C);
    for (const std::uint16_t address : kElsewhere) {
        SCOPED_TRACE(address);
        EXPECT_NO_THROW(io->out(address, 0xA5));
        EXPECT_EQ(io->in(address), FloatingPortIo::kFloatingLines);
    }
    EXPECT_EQ(io->in(kControl), expected(0x0C));
    EXPECT_EQ(io->in(kData), expected(0x3C));
}

INSTANTIATE_TEST_SUITE_P(Backends, PortIoContractTest,
                         testing::Values(BackendCase{"simulated", true, simulated},
                                         BackendCase{"floating", false, floating},
                                         BackendCase{"recording", true, recordingSimulated},
                                         BackendCase{"ppdev", true, ppdev},
                                         BackendCase{"direct", true, direct}),
                         caseName);

}  // namespace
}  // namespace veldrix::portio
