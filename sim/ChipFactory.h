#pragma once
// The chips the socket takes: kinds, their sizes and the module that drives
// each.

#include <cstdint>
#include <memory>
#include <string_view>

#include "ChipModel.h"

namespace veldrix::sim {

// nullptr for an empty kind or a size the kind does not come in.
[[nodiscard]] std::unique_ptr<ChipModel> makeChip(ChipKind kind, std::uint32_t size);

// The kind the chip family module drives ("urania", "calypso", "thalia", case
// ignored); ChipKind::None for any other name.
[[nodiscard]] ChipKind kindForModule(std::string_view module) noexcept;

// Kind as it appears in file names and traces: "microwire", "eeprom", ...
[[nodiscard]] const char* kindName(ChipKind kind) noexcept;

}  // namespace veldrix::sim
