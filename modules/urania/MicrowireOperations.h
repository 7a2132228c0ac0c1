#pragma once
// urania's Read, Compare and Write over the selected chip. The user cannot
// stop them: progress answers are ignored, as a half-written serial EEPROM
// is worse than a wait of a few seconds.

#include <cstdint>

#include "MicrowireBus.h"

namespace veldrix::urania {

class MicrowireOperations {
public:
    MicrowireOperations(const module::ModuleHost& host, const MicrowireChipRow& chip,
                        const std::uint32_t& cellDelay)
        : host_(host), chip_(chip), bus_(host, chip, cellDelay) {}

    [[nodiscard]] std::int32_t read() const;
    [[nodiscard]] std::int32_t compare() const;
    [[nodiscard]] std::int32_t write() const;

private:
    void powerUp() const;
    void reportProgress(std::uint32_t word) const;
    // CS high and READ w, leaving the chip ready to shift out the word.
    void beginRead(std::uint32_t word) const;
    void programWord(std::uint32_t word) const;
    // Reads the word back after a write; kVerifyFailed with the word's byte
    // address and the word read when it differs from the buffer.
    [[nodiscard]] std::int32_t verifyWord(std::uint32_t word) const;

    const module::ModuleHost& host_;
    const MicrowireChipRow& chip_;
    MicrowireBus bus_;
};

}  // namespace veldrix::urania
