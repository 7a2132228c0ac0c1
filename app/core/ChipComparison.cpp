#include "core/ChipComparison.h"

#include "buffer/BufferSnapshot.h"

namespace veldrix {

ChipComparison compareChipWithBuffer(DeviceOperations& operations, DataBuffer& buffer,
                                     std::size_t maxListed) {
    ChipComparison comparison;
    const BufferSnapshot expected(buffer);
    // The module reads only into the buffer.
    const CallOutcome read = operations.readWithoutMessages();
    comparison.readVerdict = judgeOperation(Command::Read, read, 0);
    comparison.cancelled = read.cancelled;
    if (comparison.readVerdict == Verdict::Success && !read.cancelled) {
        comparison.report =
            compareImages({buffer.data(), buffer.length()}, expected.bytes(), maxListed);
    }
    expected.restore(buffer);
    return comparison;
}

}  // namespace veldrix
