#pragma once
// Makes a programmer's port registers reachable by port instructions. On
// Linux ioperm() takes the place of a port-access kernel service: it needs
// CAP_SYS_RAWIO and holds for the calling thread only, so call access() on
// the thread that runs the module calls. Without it the drivers still reach
// a parallel port through ppdev (/dev/parportN, group lp).

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace veldrix {

// The platform operations, replaceable so the sequence can be tested without
// privileges.
struct IoAccessOperations {
    std::function<bool(std::uint16_t port)> probe;
    std::function<bool(std::uint16_t first, std::uint16_t count)> grant;
    std::function<void(std::uint16_t first, std::uint16_t count)> release;

    [[nodiscard]] static IoAccessOperations system();
};

class PortPermission {
public:
    PortPermission();
    explicit PortPermission(IoAccessOperations operations);
    ~PortPermission();
    PortPermission(const PortPermission&) = delete;
    PortPermission& operator=(const PortPermission&) = delete;

    // Mode 1: returns 1 when the port answers the probe at once; otherwise
    // asks for the port's registers (base..base+3) and its extended ones
    // (base+0x400..base+0x402) and returns the probe's result then. The
    // simulated board's address needs nothing; address 0 is no port and
    // gives 0 untouched. Mode 0: withdraws everything granted so far and
    // returns 1.
    int access(int mode, std::uint16_t port);

private:
    void releaseAll();

    IoAccessOperations operations_;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> granted_;  // first, count
};

}  // namespace veldrix
