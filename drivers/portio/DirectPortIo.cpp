#include "DirectPortIo.h"

#include "FloatingPortIo.h"
#include "ParallelRegisters.h"

namespace veldrix::portio {

namespace {

// The extended control register's address, 0 when it would lie beyond the
// last port address.
std::uint16_t ecrAddress(std::uint16_t base) {
    const unsigned address = base + board::kEcpControlRegister;
    return address <= 0xFFFF ? static_cast<std::uint16_t>(address) : 0;
}

}  // namespace

std::unique_ptr<DirectPortIo> DirectPortIo::open(std::uint16_t base,
                                                 PortInstructions& instructions) {
    std::unique_ptr<DirectPortIo> io(new DirectPortIo(base, instructions));
    if (!io->registers_.held()) {
        return nullptr;
    }
    return io;
}

DirectPortIo::DirectPortIo(std::uint16_t base, PortInstructions& instructions)
    : instructions_(instructions),
      ecrAddress_(ecrAddress(base)),
      registers_(instructions, base, board::kRegisterSpan),
      ecr_(instructions, ecrAddress_, registers_.held() && ecrAddress_ != 0 ? 1 : 0) {}

DirectPortIo::~DirectPortIo() {
    if (ecrBefore_) {
        instructions_.out(ecrAddress_, *ecrBefore_);
    }
}

std::uint8_t DirectPortIo::in(std::uint16_t address) {
    if (registers_.covers(address) || ecr_.covers(address)) {
        return instructions_.in(address);
    }
    return FloatingPortIo::kFloatingLines;
}

void DirectPortIo::out(std::uint16_t address, std::uint8_t value) {
    if (registers_.covers(address)) {
        instructions_.out(address, value);
    } else if (ecr_.covers(address)) {
        if (!ecrBefore_) {
            ecrBefore_ = instructions_.in(address);
        }
        instructions_.out(address, value);
    }
}

}  // namespace veldrix::portio
