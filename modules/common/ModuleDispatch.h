#pragma once
// How the frame answers one call of a module's entry: identify and chip
// selection for every module alike, and the operations from its table.

#include <cstdint>

#include "ModuleDescription.h"
#include "dlldata.h"

namespace veldrix::module {

// A code outside the table answers DD_NOT_IMPLEMENTED and leaves the block
// untouched. An operation without a selected chip row, or without the
// callbacks it needs (no driver bound), answers DD_NO_MATCHING_CHIP before
// anything reaches the board.
[[nodiscard]] std::int32_t dispatch(const ModuleDescription& module, dlldata& passed);

}  // namespace veldrix::module
