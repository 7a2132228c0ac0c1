#pragma once
// The module call block's start-up preparation.

#include <optional>
#include <string>

#include "dlldata.h"

namespace veldrix {

// Writes the signature and the layout's record size.
void stampCallBlock(dlldata& block) noexcept;

// Stores `blank`'s own offset into it and compares with the layout's offset.
// Returns the message to show when they differ (start-up then fails).
[[nodiscard]] std::optional<std::string> checkBlankLayout(dlldata& block);

}  // namespace veldrix
