#include "SimBoard.h"

#include "portio/ParallelRegisters.h"

namespace veldrix::sim {

namespace {

constexpr std::uint8_t kStrobeLines = 0x03;    // control bits 0 and 1: falling edge latches
constexpr std::uint8_t kReadPattern = 0x0E;    // pattern that puts the chip's data lines on the bus
constexpr std::uint8_t kAnswerPattern = 0x06;  // pattern under which status bit 3 answers
constexpr std::uint8_t kStatusIdle = 0x87;     // bit 7 set, bits 6-4 clear, unused bits 2-0 high
constexpr std::uint8_t kStatusAnswer = 0x08;
constexpr std::uint8_t kNothingThere = 0xFF;

}  // namespace

std::uint8_t SimBoard::pattern() const noexcept {
    return control_ & portio::kControlLines;
}

std::uint8_t SimBoard::readRegister(std::uint16_t offset) {
    switch (offset) {
        case portio::kDataRegister: {
            if ((control_ & portio::kControlDataInput) == 0) {
                return data_;  // the PC's own outputs
            }
            const std::uint8_t value = pattern() == kReadPattern ? dataLines() : kNothingThere;
            if (trace_.active()) {
                trace_.record(TraceWriter::Event::DataRead, pattern(), value,
                              clock_.nowNanoseconds());
            }
            return value;
        }
        case portio::kStatusRegister: {
            const std::uint8_t value =
                pattern() == kAnswerPattern ? kStatusIdle | kStatusAnswer : kStatusIdle;
            if (trace_.active()) {
                trace_.record(TraceWriter::Event::StatusRead, pattern(), value,
                              clock_.nowNanoseconds());
            }
            return value;
        }
        case portio::kControlRegister:
            return control_;
        default:
            return kNothingThere;
    }
}

void SimBoard::writeRegister(std::uint16_t offset, std::uint8_t value) {
    if (offset == portio::kDataRegister) {
        data_ = value;
    } else if (offset == portio::kControlRegister) {
        writeControl(value);
    }
}

void SimBoard::writeControl(std::uint8_t value) {
    const std::uint8_t old = control_;
    control_ = value;
    const bool strobeFell = (old & kStrobeLines) != 0 && (value & kStrobeLines) == 0;
    const bool portDrove = (old & portio::kControlDataInput) == 0;
    if (strobeFell && portDrove) {
        writeLatch(old & portio::kControlLines, data_);
    }
}

void SimBoard::writeLatch(unsigned latch, std::uint8_t value) {
    lines_.set(latch, value);
    if (latch == kDirectionLatch) {
        lines_.set(kAddressHighLatch, 0);
        lines_.set(kAddressLowLatch, 0);
        lines_.set(kDataLatch, 0);
    } else if (latch == kSetupLatch) {
        lines_.set(kVoltageLatch, 0);
        lines_.set(kControlLatch, 0);
        lines_.set(kPowerLatch, 0);
    }
    const std::uint64_t now = clock_.nowNanoseconds();
    if (trace_.active()) {
        trace_.record(TraceWriter::Event::LatchWrite, static_cast<std::uint8_t>(latch), value, now);
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

std::uint8_t SimBoard::dataLines() const {
    if (lines_.boardDrivesData()) {
        return lines_[kDataLatch];
    }
    if (!chip_) {
        return lines_.bias();
    }
    return chip_->dataLines(lines_, clock_.nowNanoseconds());
}

std::unique_ptr<ChipModel> SimBoard::replaceChip(std::unique_ptr<ChipModel> chip) {
    std::swap(chip_, chip);
    chipPowered_ = false;
    if (chip_) {
        chip_->linesChanged(lines_, clock_.nowNanoseconds());
        chipPowered_ = chip_->powered(lines_);
    }
    return chip;
}

}  // namespace veldrix::sim
