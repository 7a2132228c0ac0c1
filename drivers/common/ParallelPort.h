#pragma once
// The registers of one parallel port at a base address, reached through a
// port backend.

#include <cstdint>

#include "portio/IPortIo.h"
#include "portio/ParallelRegisters.h"

namespace veldrix::drivers {

class ParallelPort {
public:
    ParallelPort(portio::IPortIo& io, std::uint16_t base) noexcept : io_(io), base_(base) {}

    [[nodiscard]] std::uint8_t read(std::uint16_t offset) const {
        return io_.in(static_cast<std::uint16_t>(base_ + offset));
    }
    void write(std::uint16_t offset, std::uint8_t value) const {
        io_.out(static_cast<std::uint16_t>(base_ + offset), value);
    }

    [[nodiscard]] std::uint8_t readData() const { return read(portio::kDataRegister); }
    void writeData(std::uint8_t value) const { write(portio::kDataRegister, value); }
    [[nodiscard]] std::uint8_t readStatus() const { return read(portio::kStatusRegister); }
    [[nodiscard]] std::uint8_t readControl() const { return read(portio::kControlRegister); }
    void writeControl(std::uint8_t value) const { write(portio::kControlRegister, value); }

    // Hands the configured byte to an ECP port's extended control register;
    // the read before the write is what the board's initialisation expects.
    void setEcpMode(std::uint8_t ecr) const {
        (void)read(portio::kEcpControlRegister);
        write(portio::kEcpControlRegister, ecr);
    }

private:
    portio::IPortIo& io_;
    std::uint16_t base_;
};

}  // namespace veldrix::drivers
