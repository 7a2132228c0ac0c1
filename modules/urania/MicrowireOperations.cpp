#include "MicrowireOperations.h"

#include "BoardLatches.h"
#include "BoardWord.h"

namespace veldrix::urania {
namespace {

using board::busWord;

constexpr std::uint32_t kSettleMicroseconds = 10'000;     // supplies after power-up
constexpr std::uint32_t kWriteCycleMicroseconds = 5'000;  // self-timed write, standard parts
constexpr std::uint32_t kShortCycleMicroseconds = 2'000;  // erase or write of the 16-word part

// Chip word w lives at buffer bytes 2w (bits 7..0) and 2w+1 (bits 15..8).
constexpr std::uint32_t lowByteAddress(std::uint32_t word) {
    return 2 * word;
}
constexpr std::uint32_t highByteAddress(std::uint32_t word) {
    return 2 * word + 1;
}

}  // namespace

void MicrowireOperations::powerUp() const {
    host_.bus(module::kForceChipDrives);
    host_.bus(module::kForceSetupIdle);
    host_.supply(host_.block().vcc, 0, 0);
    host_.bus(busWord(board::kPowerLatch, board::kVccToPin32));
    host_.bus(busWord(board::kControlLatch, 0));
    host_.wait(kSettleMicroseconds);
}

void MicrowireOperations::reportProgress(std::uint32_t word) const {
    static_cast<void>(host_.progressStopRequested(word));
}

void MicrowireOperations::beginRead(std::uint32_t word) const {
    bus_.chipSelect(true);
    bus_.sendRead(word);
    bus_.dataInLine(true);
}

std::int32_t MicrowireOperations::read() const {
    powerUp();
    for (std::uint32_t w = 0; w < chip_.words(); ++w) {
        beginRead(w);
        host_.storeByte(highByteAddress(w), bus_.shiftInByte());
        host_.storeByte(lowByteAddress(w), bus_.shiftInByte());
        bus_.chipSelect(false);
        reportProgress(w);
    }
    host_.closeProgress();
    host_.bus(board::kResetWord);
    return DD_OK;
}

std::int32_t MicrowireOperations::compare() const {
    powerUp();
    std::uint32_t mismatches = 0;
    for (std::uint32_t w = 0; w < chip_.words(); ++w) {
        beginRead(w);
        // A wrong high byte already condemns the word: the low byte is not read.
        bool differs = bus_.shiftInByte() != host_.bufferByte(highByteAddress(w));
        if (!differs) {
            differs = bus_.shiftInByte() != host_.bufferByte(lowByteAddress(w));
        }
        if (differs) {
            host_.markByte(lowByteAddress(w));
            host_.markByte(highByteAddress(w));
            ++mismatches;
        }
        bus_.chipSelect(false);
        reportProgress(w);
    }
    host_.bus(board::kResetWord);
    host_.block().errdata = mismatches;
    host_.closeProgress();
    return DD_OK;
}

void MicrowireOperations::programWord(std::uint32_t w) const {
    // EWEN takes effect only when CS falls after it.
    bus_.chipSelect(true);
    bus_.sendWriteEnable();
    bus_.chipSelect(false);
    bus_.chipSelect(true);
    if (chip_.shortForm) {
        // The 16-word part needs its word erased before it is written.
        bus_.sendErase(w);
        bus_.chipSelect(false);
        host_.wait(kShortCycleMicroseconds);
        bus_.chipSelect(true);
    }
    bus_.startWrite();
    bus_.sendAddress(w);
    bus_.shiftOutByte(host_.bufferByte(highByteAddress(w)));
    bus_.shiftOutByte(host_.bufferByte(lowByteAddress(w)));
    if (chip_.shortForm) {
        bus_.chipSelect(false);
        host_.wait(kShortCycleMicroseconds);
        bus_.clockLine(false);
        bus_.chipSelect(true);
        bus_.sendWriteDisable();
        bus_.chipSelect(false);
    } else {
        // CS falling starts the self-timed write; the ready signal is not polled.
        bus_.chipSelect(false);
        bus_.dataInLine(true);
        bus_.chipSelect(true);
        host_.wait(kWriteCycleMicroseconds);
        bus_.chipSelect(false);
    }
}

std::int32_t MicrowireOperations::verifyWord(std::uint32_t w) const {
    beginRead(w);
    const std::uint8_t high = bus_.shiftInByte();
    const std::uint8_t low = bus_.shiftInByte();
    if (high != host_.bufferByte(highByteAddress(w)) ||
        low != host_.bufferByte(lowByteAddress(w))) {
        host_.bus(board::kResetWord);
        host_.block().errdata = static_cast<std::uint32_t>(high) * 256 + low;
        host_.block().erraddr = lowByteAddress(w);
        host_.closeProgress();
        return DD_VERIFY_FAILED;
    }
    bus_.chipSelect(false);
    return DD_OK;
}

std::int32_t MicrowireOperations::write() const {
    // Only the value 1 asks for verification; other nonzero values do not.
    const bool verify = host_.block().checkwr == 1;
    powerUp();
    for (std::uint32_t w = 0; w < chip_.words(); ++w) {
        programWord(w);
        if (verify) {
            if (const std::int32_t result = verifyWord(w); result != DD_OK) {
                return result;
            }
        }
        reportProgress(w);
    }
    host_.closeProgress();
    host_.bus(board::kResetWord);
    return DD_OK;
}

}  // namespace veldrix::urania
