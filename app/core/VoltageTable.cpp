#include "core/VoltageTable.h"

#include <algorithm>

#include "core/TextFormat.h"
#include "platform/FaultGuard.h"

namespace veldrix {

namespace {

// "6553.5" and its NUL.
constexpr std::size_t kTextCapacity = 8;

struct WordRead {
    const std::uint16_t* from;
    std::uint16_t value;
};

// Runs under the fault guard: nothing here may need unwinding.
void readWord(void* context) {
    auto* read = static_cast<WordRead*>(context);
    read->value = *read->from;
}

bool guardedRead(const std::uint16_t* from, std::uint16_t& value) noexcept {
    WordRead read{from, 0};
    if (platform::runGuarded(&readWord, &read) != platform::FaultKind::None) {
        return false;
    }
    value = read.value;
    return true;
}

}  // namespace

std::vector<std::uint16_t> readVoltageTable(const std::uint16_t* table) {
    std::vector<std::uint16_t> voltages;
    std::uint16_t count = 0;
    if (table == nullptr || !guardedRead(table, count)) {
        return voltages;
    }
    const std::size_t entries = std::min<std::size_t>(count, kMaxVoltageTableEntries);
    voltages.reserve(entries);
    for (std::size_t i = 1; i <= entries; ++i) {
        std::uint16_t value = 0;
        if (!guardedRead(table + i, value)) {
            break;
        }
        voltages.push_back(value);
    }
    return voltages;
}

std::string voltageText(std::uint16_t tenths) {
    return formatLimited(kTextCapacity, "%d.%d", tenths / 10, tenths % 10);
}

}  // namespace veldrix
