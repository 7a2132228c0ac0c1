#pragma once
// Permission for x86 port instructions from user mode. Linux grants it per
// thread (ioperm needs CAP_SYS_RAWIO and is refused under kernel lockdown),
// so the thread that makes the module and driver calls must ask for it.

#include <cstdint>
#include <string>

namespace veldrix::platform {

// Grants port I/O on first..first+count-1 to the calling thread.
[[nodiscard]] bool grantIoPermission(std::uint16_t first, std::uint16_t count);

// Withdraws what grantIoPermission gave the calling thread.
void releaseIoPermission(std::uint16_t first, std::uint16_t count);

// Reads one byte from the port and writes it back, under the fault guard:
// false when the instructions fault (no permission) or the platform has none.
[[nodiscard]] bool probePort(std::uint16_t port);

// True when the device node (a ppdev port, a serial device) can be opened for
// reading and writing by this process.
[[nodiscard]] bool deviceReadWritable(const std::string& path);

}  // namespace veldrix::platform
