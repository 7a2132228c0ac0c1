#pragma once
// How a hex editor announces that it overwrites bytes of the image in place,
// so that the change can be undone. Offsets are the image's: the editor's
// address offset plus its byte index.

#include <cstddef>

namespace veldrix {

enum class EditKind {
    Block,        // a paste: one step
    FirstDigit,   // the high digit typed: a step of its own
    SecondDigit,  // the low digit typed: joins the high digit's step on that byte
};

class EditRecorder {
public:
    virtual ~EditRecorder() = default;

    // Right before the editor writes [offset, offset + length).
    virtual void beforeEdit(std::size_t offset, std::size_t length, EditKind kind) = 0;
    // Right after, once per beforeEdit.
    virtual void afterEdit() = 0;
};

}  // namespace veldrix
