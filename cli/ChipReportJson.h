#pragma once
// The engine's reports of a chip that does not read as expected, as fields
// of the JSON result: the compare report and the unstable reads.

#include "CommandOutput.h"
#include "buffer/CompareReport.h"
#include "buffer/ReadComparison.h"

namespace veldrix::cli {

// "differences" (the count), "firstDifferences" (address, chip and expected
// byte of each listed one), "bitDifferences" (D0 to D7: how many read 0
// where 1 was expected and the reverse) and, when there is one,
// "diagnosis" (kind, the line and its level for a line fault, count and
// its text).
void setCompareReport(const CompareReport& report, CommandOutput& output);

// "unstable" (the count of addresses) and "unstableAddresses" (address and
// the byte of each read of each listed one).
void setUnstableReads(const ReadComparison& unstable, CommandOutput& output);

}  // namespace veldrix::cli
