#pragma once
// The engine side of the progress window that modules drive through the call
// block's progress callback: when it opens, its total, its position and
// percentage, and whether the user cancelled.

#include <cstdint>

#include "core/UserInterface.h"
#include "dlldata.h"

namespace veldrix {

class ProgressService {
public:
    ProgressService(dlldata& block, UserInterface& ui) noexcept : block_(block), ui_(ui) {}

    // The callback: mode 0 opens, 1 closes, 2 sets the position; returns 1
    // when the user has cancelled, else 0. Other modes do nothing.
    std::uint32_t progress(std::int32_t position, std::uint32_t mode);

    // Mode 1: destroys the window if there is one; the total becomes 0.
    void close();

    [[nodiscard]] bool isOpen() const noexcept { return open_; }
    [[nodiscard]] bool cancelled() const noexcept { return cancelled_; }
    // Cancel requests taken since the service was made; unlike cancelled()
    // it outlives the window, so a call can tell whether one came during it.
    [[nodiscard]] std::uint32_t cancelRequests() const noexcept { return cancelRequests_; }
    // Steps of the current operation; 0 when no window is open.
    [[nodiscard]] std::int32_t total() const noexcept { return total_; }

private:
    void open();
    std::uint32_t setPosition(std::int32_t position);

    dlldata& block_;
    UserInterface& ui_;
    bool open_ = false;
    bool cancelled_ = false;
    std::uint32_t cancelRequests_ = 0;
    std::int32_t total_ = 0;
};

}  // namespace veldrix
