#include "buffer/ReadComparisonText.h"

#include <cstdio>

namespace veldrix {

std::string formatUnstableReads(const ReadComparison& comparison) {
    std::string text = std::to_string(comparison.count) +
                       (comparison.count == 1 ? " unstable address\n" : " unstable addresses\n");
    char field[24];
    for (const UnstableByte& byte : comparison.listed) {
        std::snprintf(field, sizeof field, "  %08zX:", byte.address);
        text += field;
        for (const std::uint8_t value : byte.values) {
            std::snprintf(field, sizeof field, " %02X", value);
            text += field;
        }
        text += '\n';
    }
    if (comparison.count > comparison.listed.size()) {
        text += "  ...\n";
    }
    return text;
}

}  // namespace veldrix
