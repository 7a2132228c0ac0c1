#include "buffer/CompareReportText.h"

#include <cstdio>

namespace veldrix {

std::string formatCompareReport(const CompareReport& report) {
    std::string text =
        std::to_string(report.count) + (report.count == 1 ? " difference\n" : " differences\n");
    char line[128];
    for (const ByteDifference& difference : report.listed) {
        std::snprintf(line, sizeof line, "  %08zX: chip %02X, expected %02X\n", difference.address,
                      difference.chip, difference.expected);
        text += line;
    }
    if (report.count > report.listed.size()) {
        text += "  ...\n";
    }
    for (std::size_t bit = report.bits.size(); bit-- > 0;) {
        const BitDifferences& wrong = report.bits[bit];
        if (wrong == BitDifferences{}) {
            continue;
        }
        std::snprintf(line, sizeof line,
                      "  D%zu: %zu read 0 where 1 was expected, %zu read 1 where 0 was expected\n",
                      bit, wrong.readZeroForOne, wrong.readOneForZero);
        text += line;
    }
    if (report.diagnosis) {
        text += "Diagnosis: " + diagnosisText(*report.diagnosis) + "\n";
    }
    return text;
}

}  // namespace veldrix
