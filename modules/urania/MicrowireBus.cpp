#include "MicrowireBus.h"

#include "BoardLatches.h"

namespace veldrix::urania {
namespace {

using board::busWord;

// Opcodes with their start bit, as sent (most significant bit first). The
// short form's leading dummy 0 and its two always-zero upper address bits
// are written out so that the bit strings read as the parts' datasheets.
constexpr std::uint32_t kReadStandard = 0b110;
constexpr std::uint32_t kReadShort = 0b011000;
constexpr std::uint32_t kEnableStandard = 0b100;
constexpr std::uint32_t kEnableShort = 0b0100;
constexpr std::uint32_t kEraseShort = 0b011100;
constexpr std::uint32_t kWriteStandard = 0b101;
constexpr std::uint32_t kWriteShort = 0b010100;
constexpr std::uint32_t kDisableShort = 0b01;
constexpr unsigned kDisableZeroBits = 8;

}  // namespace

void MicrowireBus::line(std::uint16_t word) const {
    host_.bus(word);
    host_.wait(cellDelay_);
}

void MicrowireBus::clockLine(bool high) const {
    line(busWord(board::kAddressLowLatch, high ? board::kMicrowireClock : 0));
}

void MicrowireBus::dataInLine(bool high) const {
    line(busWord(board::kAddressHighLatch, high ? board::kMicrowireDataIn : 0));
}

void MicrowireBus::chipSelect(bool high) const {
    line(busWord(board::kControlLatch, high ? board::kMicrowireChipSelect : 0));
}

bool MicrowireBus::sampleDataOut() const {
    host_.wait(cellDelay_);
    return (host_.bus(board::kReadDataLinesWord) & board::kMicrowireDataOut) != 0;
}

void MicrowireBus::clockBit(bool bit) const {
    dataInLine(bit);
    clockLine(true);
    clockLine(false);
}

void MicrowireBus::clockBits(std::uint32_t bits, unsigned count) const {
    for (unsigned i = count; i-- > 0;) {
        clockBit(((bits >> i) & 1u) != 0);
    }
}

void MicrowireBus::shiftOutByte(std::uint8_t value) const {
    for (int i = 7; i >= 0; --i) {
        const bool bit = ((value >> i) & 1) != 0;
        if (chip_.shortForm) {
            clockLine(false);
            dataInLine(bit);
            clockLine(true);
        } else {
            clockBit(bit);
        }
    }
}

std::uint8_t MicrowireBus::shiftInByte() const {
    std::uint8_t value = 0;
    for (int i = 0; i < 8; ++i) {
        clockLine(true);
        clockLine(false);
        value = static_cast<std::uint8_t>((value << 1) | (sampleDataOut() ? 1 : 0));
    }
    return value;
}

void MicrowireBus::sendAddress(std::uint32_t word) const {
    clockBits(word, chip_.addressBits);
}

void MicrowireBus::sendRead(std::uint32_t word) const {
    if (chip_.shortForm) {
        clockBits(kReadShort, 6);
    } else {
        clockBits(kReadStandard, 3);
    }
    sendAddress(word);
}

void MicrowireBus::sendWriteEnable() const {
    if (chip_.shortForm) {
        clockBits(kEnableShort, 4);
    } else {
        clockBits(kEnableStandard, 3);
    }
    // The address field reads 1 1 0 ... 0.
    clockBits(0b11u << (chip_.enableBits - 2), chip_.enableBits);
}

void MicrowireBus::sendErase(std::uint32_t word) const {
    clockBits(kEraseShort, 6);
    sendAddress(word);
}

void MicrowireBus::startWrite() const {
    if (chip_.shortForm) {
        clockBits(kWriteShort, 6);
    } else {
        clockBits(kWriteStandard, 3);
    }
}

void MicrowireBus::sendWriteDisable() const {
    clockBits(kDisableShort, 2);
    clockBits(0, kDisableZeroBits);
}

}  // namespace veldrix::urania
