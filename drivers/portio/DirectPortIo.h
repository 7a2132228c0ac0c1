#pragma once
// The processor's port instructions on the registers of one port, for a
// thread that holds I/O permission for them. The port is handed back as it
// was taken: the extended control register gets its old byte again and the
// permission is returned.

#include <cstdint>
#include <memory>
#include <optional>

#include "IPortIo.h"
#include "PortGrant.h"
#include "PortInstructions.h"

namespace veldrix::portio {

class DirectPortIo final : public IPortIo {
public:
    // Asks for permission on base..base+3 (and the extended control register
    // when the system grants it); nullptr without permission.
    [[nodiscard]] static std::unique_ptr<DirectPortIo> open(
        std::uint16_t base, PortInstructions& instructions = processorPortInstructions());
    ~DirectPortIo() override;
    DirectPortIo(const DirectPortIo&) = delete;
    DirectPortIo& operator=(const DirectPortIo&) = delete;

    // Addresses outside the granted registers read 0xFF and ignore writes:
    // touching them would fault.
    [[nodiscard]] std::uint8_t in(std::uint16_t address) override;
    void out(std::uint16_t address, std::uint8_t value) override;

private:
    DirectPortIo(std::uint16_t base, PortInstructions& instructions);

    PortInstructions& instructions_;
    std::uint16_t ecrAddress_;  // 0 when beyond the last port address
    PortGrant registers_;
    PortGrant ecr_;
    // What the extended control register held before its first write here;
    // the destructor puts it back before the grants return the permission.
    std::optional<std::uint8_t> ecrBefore_;
};

}  // namespace veldrix::portio
