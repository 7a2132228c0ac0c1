#pragma once
// A PC parallel port with nothing attached, as the port backends reach it:
// the port instructions with their permission (DirectPortIo's way), and the
// kernel's ppdev device (PpdevPortIo's way). The data and control registers
// keep what was written, status is read-only, the extended control register
// keeps its byte, and an instruction on an address without permission is
// counted as the fault it would be.

#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "ParallelRegisters.h"
#include "portio/PortInstructions.h"
#include "portio/PpdevDevice.h"

namespace veldrix::test {

struct PcPortRegisters {
    std::uint8_t data = 0;
    std::uint8_t status = 0x87;
    std::uint8_t control = 0;
    std::uint8_t ecr = 0x15;  // what firmware left in the extended control register
};

class PcPortInstructions final : public portio::PortInstructions {
public:
    explicit PcPortInstructions(std::uint16_t base) : base_(base) {}

    PcPortRegisters registers;
    std::set<std::uint16_t> refused;  // addresses the system will not grant
    std::set<std::uint16_t> granted;
    int faults = 0;
    std::vector<std::uint8_t> ecrWrites;

    bool grant(std::uint16_t first, std::uint16_t count) override {
        for (unsigned a = first; a < first + count; ++a) {
            if (refused.count(static_cast<std::uint16_t>(a)) != 0) {
                return false;
            }
        }
        for (unsigned a = first; a < first + count; ++a) {
            granted.insert(static_cast<std::uint16_t>(a));
        }
        return true;
    }
    void revoke(std::uint16_t first, std::uint16_t count) override {
        for (unsigned a = first; a < first + count; ++a) {
            granted.erase(static_cast<std::uint16_t>(a));
        }
    }
    std::uint8_t in(std::uint16_t address) override {
        if (!allowed(address)) {
            return 0xFF;
        }
        switch (static_cast<std::uint16_t>(address - base_)) {
            case board::kDataRegister:
                return registers.data;
            case board::kStatusRegister:
                return registers.status;
            case board::kControlRegister:
                return registers.control;
            case board::kEcpControlRegister:
                return registers.ecr;
            default:
                return 0xFF;
        }
    }
    void out(std::uint16_t address, std::uint8_t value) override {
        if (!allowed(address)) {
            return;
        }
        switch (static_cast<std::uint16_t>(address - base_)) {
            case board::kDataRegister:
                registers.data = value;
                break;
            case board::kControlRegister:
                registers.control = value;
                break;
            case board::kEcpControlRegister:
                registers.ecr = value;
                ecrWrites.push_back(value);
                break;
            default:
                break;
        }
    }

private:
    bool allowed(std::uint16_t address) {
        if (granted.count(address) == 0) {
            ++faults;
            return false;
        }
        return true;
    }

    std::uint16_t base_;
};

class PcPortDevice final : public portio::PpdevDevice {
public:
    explicit PcPortDevice(PcPortRegisters& registers) : registers_(registers) {}

    void writeData(std::uint8_t value) override { registers_.data = value; }
    std::uint8_t readData() override { return registers_.data; }
    std::uint8_t readStatus() override { return registers_.status; }
    void writeControl(std::uint8_t lines) override {
        registers_.control = static_cast<std::uint8_t>((registers_.control & ~0x0F) | lines);
    }
    std::uint8_t readControl() override { return registers_.control; }
    void setDataInput(bool) override {}

private:
    PcPortRegisters& registers_;
};

}  // namespace veldrix::test
