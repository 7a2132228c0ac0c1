#include "catalog/ChipTexts.h"

#include "core/TextFormat.h"
#include "core/VoltageTable.h"

namespace veldrix {

namespace {

// The information box's line buffer.
constexpr std::size_t kLineCapacity = 256;
constexpr std::uint32_t kWordsPerK = 1024;

int wholeVolts(std::uint16_t tenths) {
    return tenths / 10;
}

}  // namespace

std::uint32_t chipWordCount(std::uint32_t size, std::uint8_t width) noexcept {
    const std::uint32_t bytesPerWord = (width + 7u) / 8u;
    return bytesPerWord == 0 ? size : size / bytesPerWord;
}

std::vector<std::string> chipInfoLines(const ChipDescription& chip) {
    return {
        formatLimited(kLineCapacity, "Chip name:\t%s", chip.name.c_str()),
        formatLimited(kLineCapacity, "Manufacture:\t%s", chip.mfr.c_str()),
        formatLimited(kLineCapacity, "Size:\t\t%08XH x%i ", chipWordCount(chip.size, chip.width),
                      chip.width),
        formatLimited(kLineCapacity, "Vcc:\t\t%iv", wholeVolts(chip.vcc)),
        formatLimited(kLineCapacity, "Vpp:\t\t%iv", wholeVolts(chip.vpp)),
        formatLimited(kLineCapacity, "Vid:\t\t%iv", wholeVolts(chip.vid)),
    };
}

std::string sizePaneText(std::uint32_t size, std::uint8_t width) {
    const std::uint32_t words = chipWordCount(size, width);
    const std::uint32_t kwords = words / kWordsPerK;
    const bool inK = kwords >= 1;
    return formatLimited(kLineCapacity, "size: %u%cx%i", inK ? kwords : words, inK ? 'K' : ' ',
                         width);
}

std::string voltagePaneText(const char* label, std::uint16_t tenths) {
    return formatLimited(kLineCapacity, "%s:%s", label, voltageText(tenths).c_str());
}

}  // namespace veldrix
