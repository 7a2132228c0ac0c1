#pragma once
// The shared body of every module's dmain: no C++ exception may cross the C
// boundary back into the program.

#include <cstdint>

#include "ModuleDescription.h"
#include "dlldata.h"

namespace veldrix::module {

// A callback of the program raised a C++ exception: the operation was
// abandoned and the board reset. The low byte is nonzero so that even Read,
// which reports only DD_READ_RESULT_MASK of its result, shows it.
inline constexpr std::int32_t kHostFault = 0x1FF;
static_assert((kHostFault & DD_READ_RESULT_MASK) != 0);

// Answers one call from the module's description. A null block is answered
// with DD_NOT_IMPLEMENTED and nothing else. When a callback throws, the board
// is reset and the progress display closed (as far as the callbacks still
// work) and the result is kHostFault.
[[nodiscard]] std::int32_t runModuleEntry(dlldata* block, const ModuleDescription& module) noexcept;

}  // namespace veldrix::module
