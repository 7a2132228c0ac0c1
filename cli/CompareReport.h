#pragma once
// The differences between the chip's contents and a file's, for Compare's
// report: how many, and the first few with both bytes.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veldrix::cli {

struct Difference {
    std::uint32_t address;
    std::uint8_t chip;
    std::uint8_t file;
};

struct CompareReport {
    std::uint32_t count = 0;        // every differing address
    std::vector<Difference> first;  // at most the limit asked for, in address order
};

// Compares the common length of both images.
[[nodiscard]] CompareReport compareImages(std::span<const std::uint8_t> chip,
                                          std::span<const std::uint8_t> file, std::size_t limit);

// "12 differences" and one line "  00001234: chip 5A, file FF" per listed
// difference, "  ..." when more exist.
[[nodiscard]] std::string formatCompareReport(const CompareReport& report);

}  // namespace veldrix::cli
