#include "DirectPortIo.h"

#include "FloatingPortIo.h"
#include "ParallelRegisters.h"

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define VELDRIX_HAS_PORT_INSTRUCTIONS 1
#else
#define VELDRIX_HAS_PORT_INSTRUCTIONS 0
#endif

namespace veldrix::portio {

std::unique_ptr<DirectPortIo> DirectPortIo::open(std::uint16_t base) {
#if VELDRIX_HAS_PORT_INSTRUCTIONS
    if (ioperm(base, board::kRegisterSpan, 1) != 0) {
        return nullptr;
    }
    const bool ecp =
        ioperm(static_cast<unsigned long>(base) + board::kEcpControlRegister, 1, 1) == 0;
    return std::unique_ptr<DirectPortIo>(new DirectPortIo(base, ecp));
#else
    (void)base;
    return nullptr;
#endif
}

bool DirectPortIo::granted(std::uint16_t address) const noexcept {
    const auto offset = static_cast<std::uint16_t>(address - base_);
    return offset < board::kRegisterSpan || (ecpGranted_ && offset == board::kEcpControlRegister);
}

std::uint8_t DirectPortIo::in(std::uint16_t address) {
#if VELDRIX_HAS_PORT_INSTRUCTIONS
    if (granted(address)) {
        return inb(address);
    }
#endif
    return FloatingPortIo::kFloatingLines;
}

void DirectPortIo::out(std::uint16_t address, std::uint8_t value) {
#if VELDRIX_HAS_PORT_INSTRUCTIONS
    if (granted(address)) {
        outb(value, address);
    }
#else
    (void)address;
    (void)value;
#endif
}

}  // namespace veldrix::portio
