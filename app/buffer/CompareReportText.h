#pragma once
// The compare report as text, the same for every front end.

#include <string>

#include "buffer/CompareReport.h"

namespace veldrix {

// "12 differences", one line "  00001234: chip 5A, expected FF" per listed
// difference and "  ..." when more exist, one line per data bit that went
// wrong ("  D3: 4 read 0 where 1 was expected, 0 read 1 where 0 was
// expected"), then "Diagnosis: " and its text when there is one.
[[nodiscard]] std::string formatCompareReport(const CompareReport& report);

}  // namespace veldrix
