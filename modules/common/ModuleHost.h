#pragma once
// The program's services as a module sees them: every effect of a module
// (bus words, waits, voltages, buffer access, marks, progress, messages) goes
// through the callbacks of the call block, and only through this class.

#include <cstdint>

#include "dlldata.h"

namespace veldrix::module {

class ModuleHost {
public:
    explicit ModuleHost(dlldata& block) noexcept : block_(block) {}

    [[nodiscard]] dlldata& block() const noexcept { return block_; }

    // True when every callback an operation may call is bound. Without a
    // driver (bdport missing) no operation can reach the chip.
    [[nodiscard]] bool complete() const noexcept;

    // One bus word through the driver; the answer matters for read selectors.
    std::uint8_t bus(std::uint16_t word) const;
    void wait(std::uint32_t microseconds) const;
    // Waits longer than one delay call can ask for are split.
    void waitLong(std::uint64_t microseconds) const;
    // Supply, programming and identification voltage in tenths of a volt.
    void supply(std::uint32_t vcc, std::uint32_t vpp, std::uint32_t vid) const;

    [[nodiscard]] std::uint8_t bufferByte(std::uint32_t address) const;
    void storeByte(std::uint32_t address, std::uint8_t value) const;
    void markByte(std::uint32_t address) const;

    // Reports the position (mode 2); true when the user asked to stop.
    [[nodiscard]] bool progressStopRequested(std::uint32_t position) const;
    void closeProgress() const;

    void message(std::uint32_t style, const char* text) const;

private:
    dlldata& block_;
};

// Progress is reported when the position is a multiple of the interval: a
// chip smaller than the number of reports still gets an interval of 1, so no
// loop divides by zero.
[[nodiscard]] constexpr std::uint32_t progressInterval(std::uint32_t units, std::uint32_t reports) {
    const std::uint32_t interval = units / reports;
    return interval == 0 ? 1 : interval;
}

}  // namespace veldrix::module
