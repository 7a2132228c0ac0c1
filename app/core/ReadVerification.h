#pragma once
// Read verification: the chip read several times and the reads compared, so
// that a loose cable or a bad socket contact, which reads differently each
// time, is noticed instead of saved.

#include <cstddef>
#include <cstdint>

#include "buffer/DataBuffer.h"
#include "buffer/ReadComparison.h"
#include "core/DeviceOperations.h"
#include "core/OperationOutcome.h"
#include "core/UserInterface.h"
#include "dlldata.h"

namespace veldrix {

enum class ReadCheck {
    Stable,       // every read gave the same image, which the buffer now holds
    Unstable,     // the reads differ: the buffer is as it was before them
    NotFinished,  // a read failed, was refused or cancelled (outcome says
                  // which); the buffer is as that read left it, as after Read
};

struct ReadVerification {
    ReadCheck check = ReadCheck::NotFinished;
    OperationOutcome outcome;  // of the last read made
    unsigned reads = 0;        // reads that ran to the end
    ReadComparison unstable;   // where the reads differ; empty unless Unstable
};

// The smallest number of reads that can disagree.
inline constexpr unsigned kMinimumVerifiedReads = 2;

// Runs the Read command `reads` times (at least two), each with the pane
// texts and result messages of Read, and compares the images. Unstable reads
// put the buffer back as it was and give the status message "Unstable read
// at %06X" with the first unstable address. Lists the first `maxListed`
// unstable addresses (0: all). Holds one copy of the image per read.
[[nodiscard]] ReadVerification verifyRead(DeviceOperations& operations, DataBuffer& buffer,
                                          const dlldata& block, UserInterface& ui, unsigned reads,
                                          std::size_t maxListed);

}  // namespace veldrix
