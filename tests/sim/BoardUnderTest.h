#pragma once
// A simulated board on its own manual clock, driven through the real
// parlink protocol exactly as a chip module drives it through the driver.

#include <cstdint>
#include <memory>
#include <utility>

#include "SimBoard.h"
#include "SimClock.h"
#include "TraceWriter.h"
#include "parlink/ParlinkProtocol.h"
#include "portio/SimulatedPortIo.h"
#include "vxsim.h"

namespace veldrix::test {

class BoardUnderTest {
public:
    BoardUnderTest() { clock.setManual(true); }

    std::uint8_t bus(std::uint32_t word) { return protocol.bdport(port, word); }
    void voltage(std::int32_t vcc, std::int32_t vpp, std::int32_t vid) {
        protocol.voltage(port, vcc, vpp, vid);
    }
    void wait(std::uint32_t microseconds) { clock.advance(microseconds); }

    template <class Chip, class... Args>
    Chip& insert(Args&&... args) {
        auto chip = std::make_unique<Chip>(std::forward<Args>(args)...);
        Chip& inserted = *chip;
        board.replaceChip(std::move(chip));
        return inserted;
    }

    sim::SimClock clock;
    sim::TraceWriter trace;
    sim::SimBoard board{clock, trace};
    portio::SimulatedPortIo io{board, VXSIM_BASE_ADDRESS};
    drivers::ParallelPort port{io, VXSIM_BASE_ADDRESS};
    drivers::ParlinkProtocol protocol;
};

}  // namespace veldrix::test
