#pragma once
// Builds the entries of a module's configuration key table at compile time.
// The program writes each entry's value between calls; the module reads the
// value whenever it needs it, so an edit takes effect at the next call.

#include <cstddef>
#include <cstdint>

#include "dlldata.h"

namespace veldrix::module {

// kind: 'D'/'d' decimal, 'H'/'h' hex, 'B'/'b' binary; lower case is shown but
// not editable. limit is the entry's third number (an upper bound that the
// program does not use).
template <std::size_t N>
[[nodiscard]] constexpr CfgKey configKey(char kind, const char (&name)[N], std::uint32_t value,
                                         std::uint32_t defval, std::uint32_t limit) {
    static_assert(N <= sizeof(CfgKey::name), "a key name holds at most 14 characters");
    CfgKey key{};
    key.kind = kind;
    for (std::size_t i = 0; i < N; ++i) {
        key.name[i] = name[i];
    }
    key.value = value;
    key.defval = defval;
    key.limit = limit;
    return key;
}

// The entry that ends a table.
inline constexpr CfgKey kEndOfKeys{};

}  // namespace veldrix::module
