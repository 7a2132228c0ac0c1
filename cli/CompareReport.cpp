#include "CompareReport.h"

#include <algorithm>
#include <cstdio>

namespace veldrix::cli {

CompareReport compareImages(std::span<const std::uint8_t> chip, std::span<const std::uint8_t> file,
                            std::size_t limit) {
    CompareReport report;
    const std::size_t length = std::min(chip.size(), file.size());
    for (std::size_t address = 0; address < length; ++address) {
        if (chip[address] == file[address]) {
            continue;
        }
        ++report.count;
        if (report.first.size() < limit) {
            report.first.push_back(
                {static_cast<std::uint32_t>(address), chip[address], file[address]});
        }
    }
    return report;
}

std::string formatCompareReport(const CompareReport& report) {
    std::string text =
        std::to_string(report.count) + (report.count == 1 ? " difference\n" : " differences\n");
    for (const Difference& difference : report.first) {
        char line[64];
        std::snprintf(line, sizeof line, "  %08X: chip %02X, file %02X\n", difference.address,
                      difference.chip, difference.file);
        text += line;
    }
    if (report.count > report.first.size()) {
        text += "  ...\n";
    }
    return text;
}

}  // namespace veldrix::cli
