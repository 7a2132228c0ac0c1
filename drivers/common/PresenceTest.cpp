#include "PresenceTest.h"

#include "BoardLatches.h"

namespace veldrix::drivers {

namespace {

constexpr std::uint8_t kDataProbe = 0x88;        // must read back unchanged
constexpr std::uint8_t kProbeIdle = 0x0C;        // control register after the test
constexpr std::uint8_t kAckBit = 0x40;           // status bit 6: always clear
constexpr std::uint8_t kPaperSelectBits = 0x30;  // status bits 5 and 4: always clear

// Control patterns under which status bit 3 must be clear.
constexpr std::uint8_t kQuietPatterns[] = {0x07, 0x04, 0x02, 0x0E};

constexpr std::uint8_t checkBit(int check) {
    return static_cast<std::uint8_t>(0x80u >> (check - 1));
}

}  // namespace

std::uint8_t failedPresenceChecks(const ParallelPort& port) {
    std::uint8_t failed = 0;
    auto check = [&failed](int number, bool passed) {
        if (!passed) {
            failed |= checkBit(number);
        }
    };

    port.writeData(kDataProbe);
    check(1, port.readData() == kDataProbe);

    port.writeControl(board::kAnswerPattern);
    const std::uint8_t s6 = port.readStatus();
    const bool answers = (s6 & board::kStatusAnswer) != 0;
    check(2, (s6 & board::kStatusAlwaysSet) != 0 && (s6 & kPaperSelectBits) == 0);
    check(3, (s6 & kAckBit) == 0);

    std::uint8_t quietAll = 0xFF;
    int number = 4;
    for (std::uint8_t pattern : kQuietPatterns) {
        port.writeControl(pattern);
        const std::uint8_t status = port.readStatus();
        quietAll &= status;
        check(number++, (status & board::kStatusAnswer) == 0 && answers);
    }
    check(8, (quietAll & board::kStatusAnswer) == 0 && answers);

    port.writeControl(kProbeIdle);
    return failed;
}

}  // namespace veldrix::drivers
