#pragma once
// What a module answers to Identify about itself.

#include <cstdint>

#include "FunctionCode.h"
#include "dlldata.h"

namespace veldrix::module {

// Fills the module's description into the block: erased cells read 0xFF, the
// about text, the interface version and the key table (all owned by the
// module). Returns kDone.
inline std::int32_t describeModule(dlldata& block, const char* about, std::uint8_t version,
                                   CfgKey* keys) {
    block.blank = 0xFF;
    block.about = about;
    block.version = version;
    block.keys = keys;
    return kDone;
}

}  // namespace veldrix::module
