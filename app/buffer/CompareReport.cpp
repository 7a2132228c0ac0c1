#include "buffer/CompareReport.h"

#include <algorithm>

namespace veldrix {

CompareReport compareImages(std::span<const std::uint8_t> chip,
                            std::span<const std::uint8_t> expected, std::size_t maxListed) {
    CompareReport report;
    DifferenceSummary summary;
    const std::size_t length = std::min(chip.size(), expected.size());
    const std::size_t listLimit = maxListed == 0 ? length : maxListed;
    for (std::size_t address = 0; address < length; ++address) {
        const std::uint8_t read = chip[address];
        const std::uint8_t wanted = expected[address];
        if (read == wanted) {
            continue;
        }
        if (summary.count++ == 0) {
            summary.firstAddress = address;
        }
        if (report.listed.size() < listLimit) {
            report.listed.push_back({address, read, wanted});
        }
        const auto lowForHigh = static_cast<unsigned>(~read & wanted);
        const auto highForLow = static_cast<unsigned>(read & ~wanted);
        summary.bytesNeedingRise += lowForHigh != 0 ? 1 : 0;
        summary.bytesNeedingFall += highForLow != 0 ? 1 : 0;
        for (unsigned bit = 0; bit < report.bits.size(); ++bit) {
            report.bits[bit].readZeroForOne += (lowForHigh >> bit) & 1u;
            report.bits[bit].readOneForZero += (highForLow >> bit) & 1u;
        }
    }
    report.count = summary.count;
    report.diagnosis = diagnoseFault(chip, expected, summary);
    return report;
}

}  // namespace veldrix
