#include "PortInstructions.h"

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define VELDRIX_HAS_PORT_INSTRUCTIONS 1
#else
#define VELDRIX_HAS_PORT_INSTRUCTIONS 0
#endif

namespace veldrix::portio {
namespace {

#if VELDRIX_HAS_PORT_INSTRUCTIONS
class ProcessorPortInstructions final : public PortInstructions {
public:
    bool grant(std::uint16_t first, std::uint16_t count) override {
        return ioperm(first, count, 1) == 0;
    }
    void revoke(std::uint16_t first, std::uint16_t count) override {
        (void)ioperm(first, count, 0);
    }
    std::uint8_t in(std::uint16_t address) override { return inb(address); }
    void out(std::uint16_t address, std::uint8_t value) override { outb(value, address); }
};
#else
// Nothing to grant: DirectPortIo never opens, so in and out are never used.
class ProcessorPortInstructions final : public PortInstructions {
public:
    bool grant(std::uint16_t, std::uint16_t) override { return false; }
    void revoke(std::uint16_t, std::uint16_t) override {}
    std::uint8_t in(std::uint16_t) override { return 0xFF; }
    void out(std::uint16_t, std::uint8_t) override {}
};
#endif

}  // namespace

PortInstructions& processorPortInstructions() {
    static ProcessorPortInstructions instructions;
    return instructions;
}

}  // namespace veldrix::portio
