#include "ModuleHost.h"

#include <limits>

namespace veldrix::module {

bool ModuleHost::complete() const noexcept {
    return block_.bdport && block_.delay && block_.voltage && block_.getbyte && block_.putbyte &&
           block_.mark && block_.progress && block_.msgbox;
}

std::uint8_t ModuleHost::bus(std::uint16_t word) const {
    return block_.bdport(word);
}

void ModuleHost::wait(std::uint32_t microseconds) const {
    block_.delay(microseconds);
}

void ModuleHost::waitLong(std::uint64_t microseconds) const {
    constexpr std::uint64_t kLongestCall = std::numeric_limits<std::uint32_t>::max();
    while (microseconds > kLongestCall) {
        block_.delay(static_cast<std::uint32_t>(kLongestCall));
        microseconds -= kLongestCall;
    }
    block_.delay(static_cast<std::uint32_t>(microseconds));
}

void ModuleHost::supply(std::uint32_t vcc, std::uint32_t vpp, std::uint32_t vid) const {
    block_.voltage(vcc, vpp, vid);
}

std::uint8_t ModuleHost::bufferByte(std::uint32_t address) const {
    return block_.getbyte(address);
}

void ModuleHost::storeByte(std::uint32_t address, std::uint8_t value) const {
    block_.putbyte(address, value);
}

void ModuleHost::markByte(std::uint32_t address) const {
    block_.mark(address, 1);
}

bool ModuleHost::progressStopRequested(std::uint32_t position) const {
    return block_.progress(static_cast<std::int32_t>(position), DD_PROGRESS_SET) != 0;
}

void ModuleHost::closeProgress() const {
    block_.progress(0, DD_PROGRESS_CLOSE);
}

void ModuleHost::message(std::uint32_t style, const char* text) const {
    // The text goes as an argument, never as the format: it may hold a '%'.
    block_.msgbox(style, "%s", text);
}

}  // namespace veldrix::module
