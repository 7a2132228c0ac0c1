#pragma once
// Where a chip's contents live between runs, and reading and writing them.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "ChipModel.h"

namespace veldrix::sim {

// "$VELDRIX_SIM_DIR", else "$XDG_DATA_HOME/VELDRIX/sim", else
// "$HOME/.local/share/VELDRIX/sim"; empty when none of them is set.
[[nodiscard]] std::filesystem::path contentDirectory();

// "<directory>/<kind>-<size>.bin"; empty without a directory.
[[nodiscard]] std::filesystem::path contentFile(ChipKind kind, std::uint32_t size);

// Reads at most cells.size() bytes of `file` into the start of `cells`;
// the number read, or nothing when the file cannot be opened.
[[nodiscard]] std::optional<std::size_t> readInto(const std::filesystem::path& file,
                                                  std::vector<std::uint8_t>& cells);

// Replaces `file` with `cells` (written beside it, then renamed), creating
// its directory. False on any failure.
[[nodiscard]] bool writeContents(const std::filesystem::path& file,
                                 const std::vector<std::uint8_t>& cells);

}  // namespace veldrix::sim
