#include "PortAccess.h"

#include "vxsim.h"

namespace veldrix::portio {

PortAccess& PortAccess::process() {
    static PortAccess access(systemPortBackends());
    return access;
}

IPortIo& PortAccess::forBase(std::uint16_t base) noexcept {
    if (base_ != base) {
        current_.reset();
        base_ = base;
        try {
            current_ = choose(base);
        } catch (...) {
            current_.reset();
        }
    }
    if (current_) {
        return *current_;
    }
    return floating_;
}

std::unique_ptr<IPortIo> PortAccess::choose(std::uint16_t base) {
    if (base == VXSIM_BASE_ADDRESS) {
        return backends_->simulated(base);
    }
    if (auto direct = backends_->direct(base)) {
        return direct;
    }
    return backends_->ppdev(base);
}

}  // namespace veldrix::portio
