#include "ports/PortPermission.h"

#include <algorithm>

#include "platform/IoPermission.h"
#include "vxsim.h"

namespace veldrix {

namespace {

// Data, status, control and EPP address registers from the base.
constexpr std::uint16_t kRegisterCount = 4;
// ECP FIFO, configuration and extended control registers.
constexpr std::uint16_t kEcpOffset = 0x400;
constexpr std::uint16_t kEcpRegisterCount = 3;

}  // namespace

IoAccessOperations IoAccessOperations::system() {
    return {&platform::probePort, &platform::grantIoPermission, &platform::releaseIoPermission};
}

PortPermission::PortPermission() : PortPermission(IoAccessOperations::system()) {}

PortPermission::PortPermission(IoAccessOperations operations)
    : operations_(std::move(operations)) {}

PortPermission::~PortPermission() {
    releaseAll();
}

int PortPermission::access(int mode, std::uint16_t port) {
    if (mode == 0) {
        releaseAll();
        return 1;
    }
    // Address 0 names no port (a driver without portadr, LPT4); probing it
    // would read and write the DMA controller's first register.
    if (port == 0) {
        return 0;
    }
    if (port == VXSIM_BASE_ADDRESS || operations_.probe(port)) {
        return 1;
    }
    const auto grant = [this](unsigned first, std::uint16_t count) {
        // A range running past the last port address is not asked for.
        if (first + count > 0x10000) {
            return;
        }
        // A range granted before may have been given back by the driver's own
        // port access since, so it is asked for again whenever the probe fails.
        const auto range = std::make_pair(static_cast<std::uint16_t>(first), count);
        const bool listed = std::find(granted_.begin(), granted_.end(), range) != granted_.end();
        if (operations_.grant(range.first, count) && !listed) {
            granted_.push_back(range);
        }
    };
    grant(port, kRegisterCount);
    grant(port + kEcpOffset, kEcpRegisterCount);
    return operations_.probe(port) ? 1 : 0;
}

void PortPermission::releaseAll() {
    for (const auto& [first, count] : granted_) {
        operations_.release(first, count);
    }
    granted_.clear();
}

}  // namespace veldrix
