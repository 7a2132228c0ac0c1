#include "core/PresenceCheckResults.h"

#include <cstdio>

namespace veldrix {

namespace {

// init()'s defined bits: the failure flag and the mask.
constexpr std::uint32_t kDefinedAnswerBits = 0xFFFF;
constexpr std::uint32_t kMaskBits = 0xFF;
constexpr unsigned kFirstQuietCheck = 4;

std::string hexByte(std::uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

}  // namespace

std::string presenceCheckName(unsigned number) {
    const std::string answer = hexByte(board::kAnswerPattern);
    if (number == 1) {
        return "data register loop-back (" + hexByte(board::kPresenceDataProbe) + ")";
    }
    if (number == 2) {
        return "status bits 7, 5 and 4 with control " + answer;
    }
    if (number == 3) {
        return "status bit 6 with control " + answer;
    }
    const unsigned quiet = number - kFirstQuietCheck;
    if (quiet < board::kQuietPatterns.size()) {
        return "status bit 3 set with " + answer + ", clear with " +
               hexByte(board::kQuietPatterns[quiet]);
    }
    std::string patterns;
    for (const std::uint8_t pattern : board::kQuietPatterns) {
        patterns += (patterns.empty() ? "" : ", ") + hexByte(pattern);
    }
    return "status bit 3 set with " + answer + ", clear with at least one of " + patterns;
}

PresenceChecks presenceChecks(std::optional<std::uint32_t> initAnswer) {
    const std::uint32_t answer = initAnswer.value_or(0) & kDefinedAnswerBits;
    const auto mask = static_cast<std::uint8_t>(answer & kMaskBits);
    const bool unknown = !initAnswer || (answer != 0 && mask == 0);
    PresenceChecks checks;
    for (unsigned number = 1; number <= checks.size(); ++number) {
        PresenceCheck& check = checks[number - 1];
        check.number = number;
        check.name = presenceCheckName(number);
        if (unknown) {
            check.state = CheckState::Unknown;
        } else {
            check.state = (mask & board::presenceCheckBit(number)) != 0 ? CheckState::Failed
                                                                        : CheckState::Passed;
        }
    }
    return checks;
}

}  // namespace veldrix
