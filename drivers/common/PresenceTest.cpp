#include "PresenceTest.h"

namespace veldrix::drivers {

std::uint8_t failedPresenceChecks(const ParallelPort& port) {
    std::uint8_t failed = 0;
    auto check = [&failed](unsigned number, bool passed) {
        if (!passed) {
            failed |= board::presenceCheckBit(number);
        }
    };

    port.writeData(board::kPresenceDataProbe);
    check(1, port.readData() == board::kPresenceDataProbe);

    port.writeControl(board::kAnswerPattern);
    const std::uint8_t s6 = port.readStatus();
    const bool answers = (s6 & board::kStatusAnswer) != 0;
    check(2, (s6 & board::kStatusAlwaysSet) != 0 && (s6 & board::kPaperSelectStatusBits) == 0);
    check(3, (s6 & board::kAckStatusBit) == 0);

    std::uint8_t quietAll = 0xFF;
    unsigned number = 4;
    for (std::uint8_t pattern : board::kQuietPatterns) {
        port.writeControl(pattern);
        const std::uint8_t status = port.readStatus();
        quietAll &= status;
        check(number++, (status & board::kStatusAnswer) == 0 && answers);
    }
    check(8, (quietAll & board::kStatusAnswer) == 0 && answers);

    port.writeControl(board::kPresenceIdleControl);
    return failed;
}

}  // namespace veldrix::drivers
