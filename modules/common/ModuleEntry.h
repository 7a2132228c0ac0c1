#pragma once
// The shared body of every module's dmain: no C++ exception may cross the C
// boundary back into the program.

#include <cstdint>

#include "dlldata.h"

namespace veldrix::module {

using Dispatcher = std::int32_t (*)(dlldata& block);

// Runs dispatch(*block). A null block is answered with kNotImplemented and
// nothing else. When a callback throws, the board is reset and the progress
// display closed (as far as the callbacks still work) and the result is
// kHostFault.
[[nodiscard]] std::int32_t runModuleEntry(dlldata* block, Dispatcher dispatch) noexcept;

}  // namespace veldrix::module
