#include "core/DeviceVoltages.h"

#include <algorithm>

#include "core/VoltageTable.h"

namespace veldrix {

namespace {

VoltageList makeList(const char* label, const std::uint16_t* table, std::uint16_t voltage) {
    VoltageList list{label, readVoltageTable(table), std::nullopt};
    // By value: two entries whose texts looked alike must not be confused.
    const auto found = std::find(list.voltages.begin(), list.voltages.end(), voltage);
    if (found != list.voltages.end()) {
        list.current = static_cast<std::size_t>(found - list.voltages.begin());
    }
    return list;
}

std::uint16_t& voltageOf(dlldata& block, Supply supply) noexcept {
    switch (supply) {
        case Supply::Vpp:
            return block.vpp;
        case Supply::Vid:
            return block.vid;
        case Supply::Vcc:
            break;
    }
    return block.vcc;
}

}  // namespace

std::vector<std::string> VoltageList::itemTexts() const {
    std::vector<std::string> texts;
    texts.reserve(voltages.size());
    for (const std::uint16_t tenths : voltages) {
        texts.push_back(voltageText(tenths));
    }
    return texts;
}

DeviceVoltages::DeviceVoltages(const dlldata& block)
    : lists_{makeList("Vcc", block.VccTable, block.vcc), makeList("Vpp", block.VppTable, block.vpp),
             makeList("Vid", block.VidTable, block.vid)} {}

VoltageChoice DeviceVoltages::currentChoice() const noexcept {
    VoltageChoice choice;
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        choice[i] = lists_[i].current;
    }
    return choice;
}

void DeviceVoltages::apply(dlldata& block, const VoltageChoice& chosen) const {
    for (const Supply supply : kSupplies) {
        const auto index = static_cast<std::size_t>(supply);
        const VoltageList& list = lists_[index];
        const std::optional<std::size_t> item = chosen[index];
        if (list.current && item && *item < list.voltages.size()) {
            voltageOf(block, supply) = list.voltages[*item];
        }
    }
}

}  // namespace veldrix
