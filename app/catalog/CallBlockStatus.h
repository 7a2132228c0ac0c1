#pragma once
// Reports of the catalogue go through the call block's status callback, so
// they take the program's one status path (pending slot, status thread).

#include <string>

#include "catalog/ParseNumber.h"
#include "dlldata.h"

namespace veldrix {

inline void postStatus(const dlldata& block, const std::string& text) {
    if (block.status != nullptr) {
        block.status("%s", text.c_str());
    }
}

// Where ParseNumber's "does not fit in 32 bits" report goes.
[[nodiscard]] inline MessageSink statusSink(const dlldata& block) {
    return [&block](const std::string& text) { postStatus(block, text); };
}

}  // namespace veldrix
