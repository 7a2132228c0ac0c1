#pragma once
// Reports of the catalogue and the engine go through the call block's status
// callback, so they take the program's one status path (pending slot, status thread).

#include <string>

#include "catalog/ParseNumber.h"
#include "core/UserInterface.h"
#include "dlldata.h"

namespace veldrix {

inline void postStatus(const dlldata& block, const std::string& text) {
    if (block.status != nullptr) {
        block.status("%s", text.c_str());
    }
}

// As postStatus; before the callbacks are filled in, straight to `ui`.
inline void postStatus(const dlldata& block, UserInterface& ui, const std::string& text) {
    if (block.status != nullptr) {
        postStatus(block, text);
    } else {
        ui.showStatusMessage(text);
    }
}

// Where ParseNumber's "does not fit in 32 bits" report goes.
[[nodiscard]] inline MessageSink statusSink(const dlldata& block) {
    return [&block](const std::string& text) { postStatus(block, text); };
}

}  // namespace veldrix
