#include "SimBoard.h"

#include "ParallelRegisters.h"

namespace veldrix::sim {

namespace {

constexpr std::uint8_t kUnusedStatusLines = 0x07;  // not wired: they read high
constexpr std::uint8_t kStatusIdle = board::kStatusAlwaysSet | kUnusedStatusLines;
constexpr std::uint8_t kNothingThere = 0xFF;
// A port with nothing on it: every input line pulled up, read through the
// port's inverter on bit 7 (busy).
constexpr std::uint8_t kEmptyPortStatus = 0x7F;

}  // namespace

std::uint8_t SimBoard::pattern() const noexcept {
    return control_ & board::kControlLines;
}

std::uint8_t SimBoard::readRegister(std::uint16_t offset) {
    switch (offset) {
        case board::kDataRegister:
            return readData();
        case board::kStatusRegister:
            return readStatus();
        case board::kControlRegister:
            return control_;
        default:
            return kNothingThere;
    }
}

std::uint8_t SimBoard::readData() {
    if ((control_ & board::kControlDataInput) == 0) {
        return data_;  // the PC's own outputs
    }
    if (faults_.absent) {
        return kNothingThere;
    }
    const AccessTime now(clock_);
    const std::uint8_t value =
        pattern() == board::kDataLinesSelector ? dataLines(now) : kNothingThere;
    if (trace_.active()) {
        trace_.record(TraceWriter::Event::DataRead, pattern(), value, now.nanoseconds());
    }
    return value;
}

std::uint8_t SimBoard::readStatus() {
    if (faults_.absent) {
        return faults_.status(kEmptyPortStatus);
    }
    const std::uint8_t value = faults_.status(
        pattern() == board::kAnswerPattern ? kStatusIdle | board::kStatusAnswer : kStatusIdle);
    if (trace_.active()) {
        trace_.record(TraceWriter::Event::StatusRead, pattern(), value, clock_.nowNanoseconds());
    }
    return value;
}

void SimBoard::writeRegister(std::uint16_t offset, std::uint8_t value) {
    if (offset == board::kDataRegister) {
        data_ = value;
    } else if (offset == board::kControlRegister) {
        writeControl(value);
    }
}

void SimBoard::writeControl(std::uint8_t value) {
    const std::uint8_t old = control_;
    control_ = value;
    const bool strobeFell = (old & board::kStrobeLines) != 0 && (value & board::kStrobeLines) == 0;
    const bool portDrove = (old & board::kControlDataInput) == 0;
    if (strobeFell && portDrove && !faults_.absent) {
        writeLatch(old & board::kControlLines, data_);
    }
}

void SimBoard::writeLatch(unsigned latch, std::uint8_t value) {
    lines_.set(latch, value);
    if (latch == board::kDirectionLatch) {
        clearLatches(board::kClearedByDirection);
    } else if (latch == board::kSetupLatch) {
        clearLatches(board::kClearedBySetup);
    }
    const AccessTime now(clock_);
    if (trace_.active()) {
        trace_.record(TraceWriter::Event::LatchWrite, static_cast<std::uint8_t>(latch), value,
                      now.nanoseconds());
    }
    if (!chip_) {
        return;
    }
    chip_->linesChanged(lines_, now);
    const bool powered = chip_->powered(lines_);
    const bool lost = chipPowered_ && !powered;
    chipPowered_ = powered;
    if (lost && powerLoss_) {
        powerLoss_();
    }
}

void SimBoard::clearLatches(std::span<const std::uint8_t> latches) noexcept {
    for (const std::uint8_t latch : latches) {
        lines_.set(latch, 0);
    }
}

std::uint8_t SimBoard::dataLines(const AccessTime& now) const {
    if (lines_.boardDrivesData()) {
        return lines_[board::kDataLatch];
    }
    if (!chip_) {
        return lines_.bias();
    }
    return chip_->dataLines(lines_, now);
}

std::unique_ptr<ChipModel> SimBoard::replaceChip(std::unique_ptr<ChipModel> chip) {
    std::swap(chip_, chip);
    chipPowered_ = false;
    if (chip_) {
        chip_->linesChanged(lines_, AccessTime(clock_));
        chipPowered_ = chip_->powered(lines_);
    }
    return chip;
}

}  // namespace veldrix::sim
