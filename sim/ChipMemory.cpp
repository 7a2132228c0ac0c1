#include "ChipMemory.h"

#include <algorithm>

namespace veldrix::sim {

namespace {
constexpr std::uint8_t kErased = 0xFF;
}

ChipMemory::ChipMemory(std::uint32_t size) : cells_(size, kErased), mask_(size - 1) {}

std::uint8_t ChipMemory::read(std::uint32_t address) const {
    address = wrap(address);
    if (readFaults_.any()) {
        address = wrap(readFaults_.address(address));
    }
    std::uint8_t value = cells_[address];
    if (!stuck_.empty()) {
        if (auto found = stuck_.find(address); found != stuck_.end()) {
            value = static_cast<std::uint8_t>((value & ~found->second.mask) | found->second.levels);
        }
    }
    return readFaults_.any() ? readFaults_.data(value) : value;
}

void ChipMemory::program(std::uint32_t address, std::uint8_t data) {
    address = wrap(address);
    if (!pulsesToIgnore_.empty()) {
        if (auto slow = pulsesToIgnore_.find(address); slow != pulsesToIgnore_.end()) {
            if (slow->second > 0) {
                --slow->second;
                return;
            }
        }
    }
    const auto programmed = static_cast<std::uint8_t>(cells_[address] & data);
    if (programmed != cells_[address]) {
        cells_[address] = programmed;
        changed_ = true;
    }
}

void ChipMemory::store(std::uint32_t address, std::uint8_t value) {
    cells_[wrap(address)] = value;
    changed_ = true;
}

void ChipMemory::eraseAll() {
    std::fill(cells_.begin(), cells_.end(), kErased);
    changed_ = true;
}

void ChipMemory::addStuckBit(std::uint32_t address, unsigned bit, bool level) {
    StuckBits& bits = stuck_[wrap(address)];
    const auto mask = static_cast<std::uint8_t>(1u << (bit & 7u));
    bits.mask |= mask;
    bits.levels = static_cast<std::uint8_t>(level ? bits.levels | mask : bits.levels & ~mask);
}

void ChipMemory::addSlowCell(std::uint32_t address, std::uint32_t pulses) {
    pulsesToIgnore_[wrap(address)] = pulses > 0 ? pulses - 1 : 0;
}

void ChipMemory::clearFaults() noexcept {
    stuck_.clear();
    pulsesToIgnore_.clear();
    readFaults_.clear();
}

}  // namespace veldrix::sim
