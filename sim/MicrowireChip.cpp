#include "MicrowireChip.h"

#include "SimClock.h"
#include "vxsim.h"

namespace veldrix::sim {

namespace {

constexpr unsigned kWordBits = 16;
constexpr unsigned kOpcodeBits = 2;
constexpr unsigned kMinAddressBits = 6;

// Opcodes; 00 takes its meaning from the address field's top two bits.
constexpr unsigned kOpRead = 0b10;
constexpr unsigned kOpWrite = 0b01;
constexpr unsigned kOpErase = 0b11;
constexpr unsigned kExtEnable = 0b11;
constexpr unsigned kExtDisable = 0b00;
constexpr unsigned kExtEraseAll = 0b10;
constexpr unsigned kExtWriteAll = 0b01;

constexpr std::uint16_t kErasedWord = 0xFFFF;

unsigned fieldWidth(std::uint32_t words) {
    unsigned bits = 0;
    while ((1u << bits) < words) {
        ++bits;
    }
    bits += bits & 1u;
    return bits < kMinAddressBits ? kMinAddressBits : bits;
}

}  // namespace

MicrowireChip::MicrowireChip(std::uint32_t words)
    : ChipModel(words * 2),
      words_(words),
      addressBits_(fieldWidth(words)),
      writeNanoseconds_(VXSIM_MICROWIRE_WRITE_US * kNanosecondsPerMicrosecond) {}

bool MicrowireChip::powered(const BoardLines& lines) const noexcept {
    return lines.switchedOn(board::kVccToPin32);
}

bool MicrowireChip::setWriteTime(std::uint32_t microseconds) {
    writeNanoseconds_ = std::uint64_t{microseconds} * kNanosecondsPerMicrosecond;
    return true;
}

void MicrowireChip::linesChanged(const BoardLines& lines, const AccessTime& now) {
    const bool on = powered(lines);
    if (on != powered_) {
        powerChanged(on);
    }
    if (!on) {
        return;
    }
    const bool cs = (lines[board::kControlLatch] & board::kMicrowireChipSelect) != 0;
    const bool sk = (lines[board::kAddressLowLatch] & board::kMicrowireClock) != 0;
    if (cs && !cs_) {
        selected(now);
    } else if (!cs && cs_) {
        deselected(now);
    }
    if (cs && sk && !sk_) {
        risingEdge((lines[board::kAddressHighLatch] & board::kMicrowireDataIn) != 0);
    }
    cs_ = cs;
    sk_ = sk;
}

void MicrowireChip::powerChanged(bool on) {
    // Power-up leaves writes disabled and the interface idle; a write in
    // progress when the power goes is not modelled as lost.
    powered_ = on;
    writeEnabled_ = false;
    phase_ = Phase::Deselected;
    pending_ = Pending::None;
    showStatus_ = false;
    cs_ = false;
    sk_ = false;
}

void MicrowireChip::selected(const AccessTime& now) {
    phase_ = now.nanoseconds() < busyUntil_ ? Phase::Ignored : Phase::AwaitStart;
}

void MicrowireChip::deselected(const AccessTime& now) {
    if (phase_ == Phase::Complete && pending_ != Pending::None && writeEnabled_) {
        switch (pending_) {
            case Pending::Write:
                storeWord(address_, data_);
                break;
            case Pending::WriteAll:
                for (std::uint32_t i = 0; i < words_; ++i) {
                    storeWord(i, data_);
                }
                break;
            case Pending::Erase:
                storeWord(address_, kErasedWord);
                break;
            case Pending::EraseAll:
                memory().eraseAll();
                break;
            case Pending::None:
                break;
        }
        busyUntil_ = now.nanoseconds() + writeNanoseconds_;
        showStatus_ = true;
    }
    phase_ = Phase::Deselected;
    pending_ = Pending::None;
}

void MicrowireChip::risingEdge(bool di) {
    switch (phase_) {
        case Phase::AwaitStart:
            if (di) {
                phase_ = Phase::Instruction;
                shift_ = 0;
                bitCount_ = 0;
                showStatus_ = false;
            }
            break;
        case Phase::Instruction:
            shift_ = shift_ << 1 | (di ? 1u : 0u);
            if (++bitCount_ == kOpcodeBits + addressBits_) {
                decodeInstruction();
            }
            break;
        case Phase::DataIn:
            data_ = static_cast<std::uint16_t>(data_ << 1 | (di ? 1u : 0u));
            if (++bitCount_ == kWordBits) {
                phase_ = Phase::Complete;
            }
            break;
        case Phase::ReadOut:
            if (readBit_ == 0) {
                address_ = (address_ + 1) % words_;
                readBit_ = kWordBits;
            }
            --readBit_;
            doLevel_ = ((word(address_) >> readBit_) & 1u) != 0;
            break;
        case Phase::Deselected:
        case Phase::Complete:
        case Phase::Ignored:
            break;
    }
}

void MicrowireChip::decodeInstruction() {
    const unsigned opcode = shift_ >> addressBits_;
    const std::uint32_t field = shift_ & ((1u << addressBits_) - 1u);
    address_ = field & (words_ - 1);
    phase_ = Phase::Complete;
    bitCount_ = 0;
    data_ = 0;
    switch (opcode) {
        case kOpRead:
            phase_ = Phase::ReadOut;
            readBit_ = kWordBits;  // the next edge puts out bit 15
            doLevel_ = false;      // the dummy bit
            break;
        case kOpWrite:
            phase_ = Phase::DataIn;
            pending_ = Pending::Write;
            break;
        case kOpErase:
            pending_ = Pending::Erase;
            break;
        default:
            switch (field >> (addressBits_ - 2)) {
                case kExtEnable:
                    writeEnabled_ = true;
                    break;
                case kExtDisable:
                    writeEnabled_ = false;
                    break;
                case kExtEraseAll:
                    pending_ = Pending::EraseAll;
                    break;
                case kExtWriteAll:
                    phase_ = Phase::DataIn;
                    pending_ = Pending::WriteAll;
                    break;
            }
            break;
    }
}

std::uint8_t MicrowireChip::dataLines(const BoardLines& lines, const AccessTime& now) const {
    const std::uint8_t bias = lines.bias();
    const auto others = static_cast<std::uint8_t>(bias & ~board::kMicrowireDataOut);
    if (!powered(lines)) {
        return others;  // DO clamped low
    }
    bool level = (bias & board::kMicrowireDataOut) != 0;
    if (cs_ && phase_ == Phase::ReadOut) {
        level = doLevel_;
    } else if (cs_ && showStatus_ && (phase_ == Phase::AwaitStart || phase_ == Phase::Ignored)) {
        level = now.nanoseconds() >= busyUntil_;  // 1 ready, 0 busy
    }
    return static_cast<std::uint8_t>(others | (level ? board::kMicrowireDataOut : 0));
}

std::uint16_t MicrowireChip::word(std::uint32_t index) const {
    return static_cast<std::uint16_t>(memory().read(2 * index + 1) << 8 | memory().read(2 * index));
}

void MicrowireChip::storeWord(std::uint32_t index, std::uint16_t value) {
    memory().store(2 * index, static_cast<std::uint8_t>(value));
    memory().store(2 * index + 1, static_cast<std::uint8_t>(value >> 8));
}

}  // namespace veldrix::sim
