#pragma once
// Guarded access to a module's configuration key table. The table lives in
// the module's memory, so every read and write goes through the fault guard:
// a broken table is reported, never fatal.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "dlldata.h"

namespace veldrix {

// A table that has not ended after this many entries is taken as ending
// there; the walk must stop even if a module forgot the end entry.
inline constexpr std::size_t kMaxKeyTableEntries = 256;

// The key named "WrAlg" carries the selected algorithm number.
inline constexpr std::string_view kAlgorithmKeyName = "WrAlg";

// The name of a key copied out of the table, stopping at 15 characters even
// when the module left it without its NUL.
[[nodiscard]] std::string_view keyName(const CfgKey& key) noexcept;

// Entry `index`; nullopt when reading it faulted.
[[nodiscard]] std::optional<CfgKey> readKey(const CfgKey* table, std::size_t index) noexcept;

// Every entry up to the ending one (not included), at most `limit`; nullopt
// when reading faulted.
[[nodiscard]] std::optional<std::vector<CfgKey>> readKeyTable(const CfgKey* table,
                                                              std::size_t limit);

// Writes entry `index`'s value; false when the write faulted.
[[nodiscard]] bool writeKeyValue(CfgKey* table, std::size_t index, std::uint32_t value) noexcept;

// Puts whole entries back, from index 0; false when a write faulted.
[[nodiscard]] bool writeKeyTable(CfgKey* table, const std::vector<CfgKey>& entries) noexcept;

}  // namespace veldrix
