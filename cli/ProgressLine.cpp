#include "ProgressLine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace veldrix::cli {
namespace {

constexpr int kMinBarWidth = 10;
constexpr int kMaxBarWidth = 40;

}  // namespace

std::string formatDuration(double seconds) {
    const long total = std::isfinite(seconds) && seconds > 0 ? std::lround(seconds) : 0;
    char text[32];
    if (total >= 3600) {
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60,
                      total % 60);
    } else {
        std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
    }
    return text;
}

std::string formatProgressLine(const std::string& label, int percent, std::int32_t position,
                               std::int32_t total, double elapsedSeconds, int columns) {
    percent = std::clamp(percent, 0, 100);
    char percentText[8];
    std::snprintf(percentText, sizeof percentText, "%3d%%", percent);

    std::string remaining;
    if (position > 0 && total > position) {
        const double rate = elapsedSeconds / position;  // seconds per step
        // Appended piece by piece: GCC 12 at -O3 takes " " + std::string&&
        // for an overlapping copy (-Wrestrict).
        remaining = " ";
        remaining += formatDuration(rate * (total - position));
        remaining += " left";
    }

    std::string head = label.empty() ? std::string() : label + " ";
    head += percentText;
    const int fixed = static_cast<int>(head.size() + remaining.size()) + 3;  // " [" and "]"
    const int barWidth = std::min(kMaxBarWidth, columns - fixed);
    if (barWidth < kMinBarWidth) {
        return head + remaining;
    }
    const int filled = barWidth * percent / 100;
    return head + " [" + std::string(filled, '#') + std::string(barWidth - filled, ' ') + "]" +
           remaining;
}

}  // namespace veldrix::cli
