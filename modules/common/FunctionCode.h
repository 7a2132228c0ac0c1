#pragma once
// Function codes the program sends in dlldata.funcode and the result codes a
// module's dmain answers with.

#include <cstdint>
#include <initializer_list>

#include "dlldata.h"

namespace veldrix::module {

enum FunctionCode : std::uint16_t {
    kIdentify = 0,
    kSelectChip = 1,
    kRead = 2,
    kCompare = 3,
    kBlankCheck = 4,
    kWrite = 5,
    kErase = 7,
    kReadId = 8,
    kTest = 9,
};

inline constexpr std::int32_t kDone = DD_OK;
inline constexpr std::int32_t kNoMatchingChip = DD_NO_MATCHING_CHIP;
inline constexpr std::int32_t kNotImplemented = DD_NOT_IMPLEMENTED;
inline constexpr std::int32_t kVerifyFailed = DD_VERIFY_FAILED;
inline constexpr std::int32_t kBlankCheckFailed = DD_BLANK_FAILED;
// A callback of the program raised a C++ exception: the operation was
// abandoned and the board reset. The low byte is nonzero so that even Read,
// which reports only the low eight bits, shows it.
inline constexpr std::int32_t kHostFault = 0x1FF;

// Sets the capability flag of every code in `codes`.
inline void enableFunctions(dlldata& block, std::initializer_list<FunctionCode> codes) {
    for (const FunctionCode code : codes) {
        block.funcs[code] = 1;
    }
}

}  // namespace veldrix::module
