#include "core/ProgressService.h"

#include <algorithm>
#include <limits>

#include "catalog/ChipTexts.h"

namespace veldrix {

std::uint32_t ProgressService::progress(std::int32_t position, std::uint32_t mode) {
    switch (mode) {
        case DD_PROGRESS_OPEN:
            open();
            return 0;
        case DD_PROGRESS_CLOSE:
            close();
            return 0;
        case DD_PROGRESS_SET:
            return setPosition(position);
        default:
            return 0;
    }
}

void ProgressService::open() {
    if (open_) {
        return;
    }
    if (block_.bits < 8) {
        block_.bits = 8;
    }
    // Positions are 32-bit signed, so a total beyond them is cut to the
    // largest one instead of turning negative.
    total_ = static_cast<std::int32_t>(std::min<std::uint32_t>(
        chipWordCount(block_.size, block_.bits), std::numeric_limits<std::int32_t>::max()));
    open_ = true;
    cancelled_ = false;
    ui_.openProgressWindow(total_);
}

void ProgressService::close() {
    if (open_) {
        ui_.closeProgressWindow();
    }
    open_ = false;
    cancelled_ = false;
    total_ = 0;
}

std::uint32_t ProgressService::setPosition(std::int32_t position) {
    if (!open_) {
        open();
    }
    if (position == total_) {
        close();
        return 0;
    }
    if (cancelled_) {
        return 1;
    }
    // 64 bits: position x 100 overflows 32 bits on images above 20 MiB.
    const int percent =
        total_ > 0 ? static_cast<int>(static_cast<std::int64_t>(position) * 100 / total_) : 0;
    ui_.moveProgressWindow(position, percent);
    if (ui_.pumpProgressEvents()) {
        cancelled_ = true;
        ++cancelRequests_;
    }
    return cancelled_ ? 1 : 0;
}

}  // namespace veldrix
