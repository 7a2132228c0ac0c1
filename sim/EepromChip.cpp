#include "EepromChip.h"

#include "SimClock.h"
#include "vxsim.h"

namespace veldrix::sim {

const EepromPinout* EepromChip::pinoutFor(std::uint32_t size) noexcept {
    for (const EepromPinout& pinout : kEepromPinouts) {
        if (pinout.size == size) {
            return &pinout;
        }
    }
    return nullptr;
}

EepromChip::EepromChip(const EepromPinout& pinout)
    : ChipModel(pinout.size), pinout_(pinout), maker_(VXSIM_EEPROM_MAKER), device_(pinout.device) {}

bool EepromChip::powered(const BoardLines& lines) const noexcept {
    return lines.switchedOn(pinout_.vccSwitch);
}

std::uint32_t EepromChip::address(const BoardLines& lines) const noexcept {
    const std::uint32_t wide =
        static_cast<std::uint32_t>(lines[board::kControlLatch] & board::kHighAddressLines) << 16 |
        static_cast<std::uint32_t>(lines[board::kAddressHighLatch]) << 8 |
        lines[board::kAddressLowLatch];
    return memory().wrap(wide);
}

bool EepromChip::vppOnOutputEnable(const BoardLines& lines) const noexcept {
    return pinout_.vppSwitch == board::kVppToPin24 && lines.vppAt(board::kVppToPin24) > 0;
}

bool EepromChip::outputsEnabled(const BoardLines& lines) const noexcept {
    const std::uint8_t control = lines[board::kControlLatch];
    return (control & board::kChipEnableLine) == 0 && (control & board::kOutputEnableLine) == 0 &&
           !vppOnOutputEnable(lines);
}

PulseKind EepromChip::pulseCalledFor(const BoardLines& lines) const noexcept {
    const std::uint8_t control = lines[board::kControlLatch];
    if (!powered(lines) || (control & board::kChipEnableLine) != 0) {
        return PulseKind::None;
    }
    const std::uint16_t vpp = lines.vppAt(pinout_.vppSwitch);
    if ((control & board::kOutputEnableLine) == 0 && !vppOnOutputEnable(lines)) {
        return PulseKind::None;
    }
    const bool idVoltage = lines.vidAtIdPin() >= VXSIM_VID_MIN;
    if (idVoltage) {
        return vpp >= VXSIM_ERASE_VPP_MIN ? PulseKind::Erase : PulseKind::None;
    }
    const bool pgmLow = pinout_.pgmLine == 0 || (control & pinout_.pgmLine) == 0;
    return vpp >= VXSIM_PROGRAM_VPP_MIN && pgmLow ? PulseKind::Program : PulseKind::None;
}

void EepromChip::linesChanged(const BoardLines& lines, const AccessTime& now) {
    if (auto finished =
            pulse_.update(pulseCalledFor(lines), now, address(lines), lines.pinsTowardsChip())) {
        finish(*finished);
    }
}

void EepromChip::finish(const PulseTracker::Pulse& pulse) {
    const std::uint64_t microseconds = pulse.nanoseconds / kNanosecondsPerMicrosecond;
    if (pulse.kind == PulseKind::Program && microseconds >= VXSIM_EEPROM_MIN_PROGRAM_US) {
        memory().program(pulse.address, pulse.data);
    } else if (pulse.kind == PulseKind::Erase && microseconds >= VXSIM_EEPROM_MIN_ERASE_US) {
        memory().eraseAll();
    }
}

std::uint8_t EepromChip::dataLines(const BoardLines& lines, const AccessTime& /*now*/) const {
    if (!powered(lines)) {
        return 0x00;
    }
    if (!outputsEnabled(lines)) {
        return lines.bias();
    }
    const std::uint32_t at = address(lines);
    if (lines.vidAtIdPin() >= VXSIM_VID_MIN) {
        return (at & 1) != 0 ? device_ : maker_;
    }
    return memory().read(at);
}

bool EepromChip::setIdentifier(std::uint8_t maker, std::uint8_t device) {
    maker_ = maker;
    device_ = device;
    return true;
}

}  // namespace veldrix::sim
