#pragma once
// One entry of a driver's exported port list (`pPorts`): packed, in the order
// the program's binding expects.

#include <cstdint>

namespace veldrix::drivers {

#pragma pack(push, 1)
struct PortEntry {
    std::uint32_t address;  // base I/O address
    const PortEntry* next;  // null ends the list
    const char* label;      // "LPT1 - 0x378"
    const char* name;       // "LPT1"
    std::uint8_t number;    // 0-based port number
    std::uint8_t kind;      // 1 parallel, 2 serial
};
#pragma pack(pop)

inline constexpr std::uint8_t kParallelPortKind = 1;
inline constexpr std::uint8_t kSerialPortKind = 2;

// The three standard parallel ports, as parlink and holtan list them.
extern const PortEntry kLptPorts[3];

}  // namespace veldrix::drivers
