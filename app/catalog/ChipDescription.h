#pragma once
// One chip of a module's configuration file.

#include <array>
#include <cstddef>
#include <cstdint>

#include "catalog/CfgParamList.h"
#include "catalog/NameField.h"

namespace veldrix {

struct ChipDescription {
    // Algorithm numbers a chip can list; the first is its algorithm when it
    // is selected.
    static constexpr std::size_t kAlgUseCount = 9;

    NameField name;
    NameField mfr;            // manufacturer, empty when not given
    std::uint32_t size = 0;   // bytes
    CfgParamList params;      // the chip's own values for configuration keys
    std::uint16_t vcc = 50;   // supply voltage, tenths of a volt
    std::uint16_t vpp = 120;  // programming voltage, tenths of a volt
    std::uint16_t vid = 120;  // identification voltage, tenths of a volt
    std::uint8_t width = 8;   // data bits per word
    std::array<std::uint8_t, kAlgUseCount> alguse = {};  // 0: unused entry
};

}  // namespace veldrix
