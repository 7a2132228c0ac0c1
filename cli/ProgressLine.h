#pragma once
// The one-line progress bar that veldrix-cli redraws on standard error.

#include <cstdint>
#include <string>

namespace veldrix::cli {

// "Reading ...  45% [#########           ] 0:12 left", fitted into `columns`
// characters (at least the label, percentage and time survive on a narrow
// terminal). The remaining time is estimated from the rate so far; it is
// left out until a step has been made.
[[nodiscard]] std::string formatProgressLine(const std::string& label, int percent,
                                             std::int32_t position, std::int32_t total,
                                             double elapsedSeconds, int columns);

// "m:ss", or "h:mm:ss" from an hour on; negative times count as 0.
[[nodiscard]] std::string formatDuration(double seconds);

}  // namespace veldrix::cli
