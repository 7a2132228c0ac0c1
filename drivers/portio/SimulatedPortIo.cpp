#include "SimulatedPortIo.h"

#include "SimBoard.h"

namespace veldrix::portio {

std::uint8_t SimulatedPortIo::in(std::uint16_t address) {
    return board_.readRegister(offset(address));
}

void SimulatedPortIo::out(std::uint16_t address, std::uint8_t value) {
    board_.writeRegister(offset(address), value);
}

}  // namespace veldrix::portio
