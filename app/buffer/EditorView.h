#pragma once
// What the data buffer needs of a hex editor: show bytes of the image in
// place, and keep one mark bit per shown byte. The hex editor widget
// implements it; tests use a recording fake.

#include <cstdint>

namespace veldrix {

class EditorView {
public:
    virtual ~EditorView() = default;

    // Shows `length` bytes at `data` in place (edits go straight into the
    // image), with addresses starting at `addressOffset`. Resets the caret,
    // the selection, the highlight and the mark map (all clear).
    virtual void attachData(std::uint8_t* data, std::uint32_t length,
                            std::uint32_t addressOffset) = 0;
    // Shows nothing; selection, highlight and anchor are reset.
    virtual void detachData() = 0;

    // Sets or clears the mark of the editor's own byte `index` and repaints;
    // an index outside the shown data marks nothing and returns false.
    virtual bool setMark(std::uint32_t index, bool marked) = 0;
    // Clears every mark and repaints.
    virtual void clearMarks() = 0;
};

}  // namespace veldrix
