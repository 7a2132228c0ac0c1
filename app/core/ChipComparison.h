#pragma once
// The compare report of the chip against the buffer: after a Compare that
// found differences, the chip is read once more, aside, to say where and how
// it differs. The buffer, and the marks the Compare left in the editors,
// stay as they were.

#include <cstddef>
#include <optional>

#include "buffer/CompareReport.h"
#include "buffer/DataBuffer.h"
#include "core/DeviceOperations.h"
#include "core/OperationOutcome.h"

namespace veldrix {

struct ChipComparison {
    Verdict readVerdict = Verdict::Refused;  // of the read of the chip
    bool cancelled = false;                  // the user cancelled that read
    // The chip (as read) against the buffer; only when the read succeeded
    // and was not cancelled.
    std::optional<CompareReport> report;
};

// Reads the chip without the Read command's texts and compares what it
// holds with the whole buffer, listing the first `maxListed` differences
// (0: all).
[[nodiscard]] ChipComparison compareChipWithBuffer(DeviceOperations& operations, DataBuffer& buffer,
                                                   std::size_t maxListed);

}  // namespace veldrix
