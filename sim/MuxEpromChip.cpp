#include "MuxEpromChip.h"

#include "SimClock.h"
#include "vxsim.h"

namespace veldrix::sim {

namespace {

// The two-cycle erase command: address and data of each programming cycle.
constexpr std::uint32_t kEraseFirstAddress = 0x5555;
constexpr std::uint8_t kEraseFirstData = 0xAA;
constexpr std::uint32_t kEraseSecondAddress = 0x2AAA;
constexpr std::uint8_t kEraseSecondData = 0x10;

// The identifier answers by A8: maker at 0, device at 1.
constexpr std::uint8_t kIdSelectLine = 0x01;

}  // namespace

MuxEpromChip::MuxEpromChip(std::uint32_t size)
    : ChipModel(size), maker_(VXSIM_MUX_MAKER), device_(VXSIM_MUX_DEVICE) {}

bool MuxEpromChip::powered(const BoardLines& lines) const noexcept {
    return lines.switchedOn(board::kVccToPin32);
}

bool MuxEpromChip::programMode(const BoardLines& lines) const noexcept {
    return lines.vppAt(board::kVppToPin24) >= VXSIM_PROGRAM_VPP_MIN;
}

std::uint32_t MuxEpromChip::address(const BoardLines& lines) const noexcept {
    return memory().wrap(static_cast<std::uint32_t>(lines[board::kAddressHighLatch]) << 8 |
                         lowAddress_);
}

void MuxEpromChip::linesChanged(const BoardLines& lines, const AccessTime& now) {
    const std::uint8_t control = lines[board::kControlLatch];
    const bool ale = powered(lines) && (control & board::kChipEnableLine) != 0;
    const bool programming = powered(lines) && programMode(lines);
    if (ale_ && !ale && !programming) {
        lowAddress_ = lines.pinsTowardsChip();
    }
    ale_ = ale;

    const bool pulse = programming && ale && (control & board::kOutputEnableLine) != 0;
    if (auto finished = pulse_.update(pulse ? PulseKind::Program : PulseKind::None, now,
                                      address(lines), lines.pinsTowardsChip())) {
        finish(*finished);
    }
}

void MuxEpromChip::finish(const PulseTracker::Pulse& pulse) {
    const std::uint64_t microseconds = pulse.nanoseconds / kNanosecondsPerMicrosecond;
    const bool eraseCommand = eraseArmed_ && pulse.address == memory().wrap(kEraseSecondAddress) &&
                              pulse.data == kEraseSecondData;
    eraseArmed_ = false;
    if (eraseCommand) {
        if (microseconds >= VXSIM_MUX_MIN_ERASE_US) {
            memory().eraseAll();
        }
        return;
    }
    if (microseconds < VXSIM_MUX_MIN_PROGRAM_US) {
        return;
    }
    memory().program(pulse.address, pulse.data);
    eraseArmed_ =
        pulse.address == memory().wrap(kEraseFirstAddress) && pulse.data == kEraseFirstData;
}

std::uint8_t MuxEpromChip::dataLines(const BoardLines& lines, const AccessTime& /*now*/) const {
    if (!powered(lines)) {
        return 0x00;
    }
    if ((lines[board::kControlLatch] & board::kOutputEnableLine) != 0 || programMode(lines)) {
        return lines.bias();
    }
    if (lines.vidAtIdPin() >= VXSIM_VID_MIN) {
        return (lines[board::kAddressHighLatch] & kIdSelectLine) != 0 ? device_ : maker_;
    }
    return memory().read(address(lines));
}

bool MuxEpromChip::setIdentifier(std::uint8_t maker, std::uint8_t device) {
    maker_ = maker;
    device_ = device;
    return true;
}

}  // namespace veldrix::sim
