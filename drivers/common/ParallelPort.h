#pragma once
// The registers of one parallel port at a base address, reached through a
// port backend.

#include <cstdint>

#include "ParallelRegisters.h"
#include "portio/IPortIo.h"

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

    [[nodiscard]] std::uint8_t readData() const { return read(board::kDataRegister); }
    void writeData(std::uint8_t value) const { write(board::kDataRegister, value); }
    [[nodiscard]] std::uint8_t readStatus() const { return read(board::kStatusRegister); }
    [[nodiscard]] std::uint8_t readControl() const { return read(board::kControlRegister); }
    void writeControl(std::uint8_t value) const { write(board::kControlRegister, value); }

    // Hands the configured byte to an ECP port's extended control register;
    // the read before the write is what the board's initialisation expects.
    void setEcpMode(std::uint8_t ecr) const {
        (void)read(board::kEcpControlRegister);
        write(board::kEcpControlRegister, ecr);
    }

private:
    portio::IPortIo& io_;
    std::uint16_t base_;
};

}  // namespace veldrix::drivers
