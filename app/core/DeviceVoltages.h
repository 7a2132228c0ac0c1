#pragma once
// The Device options dialog without its widgets: a list per supply (Vcc,
// Vpp, Vid) from the bound driver's tables, the item of the chip's current
// voltage chosen in each, and OK, which sets the call block's voltages.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "dlldata.h"

namespace veldrix {

enum class Supply { Vcc, Vpp, Vid };
inline constexpr std::array<Supply, 3> kSupplies{Supply::Vcc, Supply::Vpp, Supply::Vid};

struct VoltageList {
    const char* label;                    // "Vcc", "Vpp", "Vid"
    std::vector<std::uint16_t> voltages;  // tenths of a volt, table order
    // The first item equal to the current voltage; none disables the list.
    std::optional<std::size_t> current;

    [[nodiscard]] std::vector<std::string> itemTexts() const;
};

// The item chosen in each list, in kSupplies order; nullopt for none.
using VoltageChoice = std::array<std::optional<std::size_t>, 3>;

class DeviceVoltages {
public:
    // The dialog opens only with a chip selected.
    [[nodiscard]] static bool available(const dlldata& block) noexcept { return block.size != 0; }

    // Reads the tables the call block points at, safely (see readVoltageTable).
    explicit DeviceVoltages(const dlldata& block);

    [[nodiscard]] const VoltageList& list(Supply supply) const noexcept {
        return lists_[static_cast<std::size_t>(supply)];
    }
    // Each list's current item: what the dialog shows when it opens.
    [[nodiscard]] VoltageChoice currentChoice() const noexcept;

    // OK: each voltage becomes its list's chosen entry. A list without a
    // choice, or a disabled one (the voltage is not in the table), keeps the
    // voltage: setting 0 would silently switch the supply off for the next
    // operation.
    void apply(dlldata& block, const VoltageChoice& chosen) const;

private:
    std::array<VoltageList, 3> lists_;
};

}  // namespace veldrix
