#include "DirectPortIo.h"
#include "PortBackends.h"
#include "PpdevFinder.h"
#include "PpdevPortIo.h"
#include "SimulatedPortIo.h"
#include "Simulator.h"

namespace veldrix::portio {

namespace {

class SystemPortBackends final : public PortBackends {
public:
    std::unique_ptr<IPortIo> simulated(std::uint16_t base) override {
        return std::make_unique<SimulatedPortIo>(sim::Simulator::instance().board(), base);
    }
    std::unique_ptr<IPortIo> direct(std::uint16_t base) override {
        return DirectPortIo::open(base);
    }
    std::unique_ptr<IPortIo> ppdev(std::uint16_t base) override {
        const std::string path = findPpdevDevice(base);
        if (path.empty()) {
            return nullptr;
        }
        auto device = openPpdevDevice(path);
        if (!device) {
            return nullptr;
        }
        return std::make_unique<PpdevPortIo>(std::move(device), base);
    }
};

}  // namespace

std::unique_ptr<PortBackends> systemPortBackends() {
    return std::make_unique<SystemPortBackends>();
}

}  // namespace veldrix::portio
