#include "core/ReadVerification.h"

#include <algorithm>
#include <vector>

#include "buffer/BufferSnapshot.h"
#include "catalog/CallBlockStatus.h"
#include "core/TextFormat.h"

namespace veldrix {

namespace {

constexpr const char* kUnstableRead = "Unstable read at %06X";

}  // namespace

ReadVerification verifyRead(DeviceOperations& operations, DataBuffer& buffer, const dlldata& block,
                            UserInterface& ui, unsigned reads, std::size_t maxListed) {
    reads = std::max(reads, kMinimumVerifiedReads);
    ReadVerification verification;
    const BufferSnapshot before(buffer);
    std::vector<std::vector<std::uint8_t>> images;
    images.reserve(reads);
    while (verification.reads < reads) {
        verification.outcome = operations.run(Command::Read);
        if (!verification.outcome.succeeded() || verification.outcome.cancelled) {
            return verification;
        }
        ++verification.reads;
        images.emplace_back(buffer.data(), buffer.data() + buffer.length());
    }
    verification.unstable = compareReads(images, maxListed);
    if (verification.unstable.count == 0) {
        verification.check = ReadCheck::Stable;
        return verification;
    }
    verification.check = ReadCheck::Unstable;
    // No read stands for the chip: the image the user had stays.
    before.restore(buffer);
    // Something is listed whenever something differs.
    const std::size_t first = verification.unstable.listed.front().address;
    postStatus(block, ui,
               formatLimited(kStatusTextCapacity, kUnstableRead, static_cast<unsigned>(first)));
    return verification;
}

}  // namespace veldrix
