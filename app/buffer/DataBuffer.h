#pragma once
// The one in-memory image of the chip. Modules reach it only through the call
// block's getbyte, putbyte, getpage and mark callbacks, which land here.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "buffer/EditorView.h"
#include "buffer/ImageSetUpFailure.h"
#include "dlldata.h"

namespace veldrix {

class DataBuffer {
public:
    // Images above this size are refused ("SetBuffers error!!").
    static constexpr std::uint64_t kMaxLength = 256ull * 1024 * 1024;

    // The buffer reads size, the area fields, blank and page from `block`,
    // writes page, and reports through its status callback.
    explicit DataBuffer(dlldata& block);
    // Frees the image and the last copy but leaves the editors alone: they
    // may be gone by then. The frame calls release() while they exist.
    ~DataBuffer();
    DataBuffer(const DataBuffer&) = delete;
    DataBuffer& operator=(const DataBuffer&) = delete;

    // The frame's main editor ("mem") and second editor ("epp"); either may be
    // null (no window).
    void setEditors(EditorView* mainEditor, EditorView* secondEditor);
    // Called at the end of AttachEditors so the frame lays out its editors.
    void setLayoutListener(std::function<void()> listener);
    // The EepSplit setting: second area in the second editor.
    void setSplitView(bool split) noexcept { split_ = split; }
    [[nodiscard]] bool splitView() const noexcept { return split_; }

    // Dimensions the image anew from the call block and fills it with the low
    // byte of blank; attaches the editors.
    void SetBuffers();
    // Hands the areas to the editors in place, clears the marks, asks for a
    // new layout.
    void AttachEditors();
    // Clears every mark of the second editor, then of the main editor; leaves
    // page at 0.
    void ClearMarks();

    // The callbacks' behaviour; never reads or writes outside the image.
    [[nodiscard]] std::uint8_t getbyte(std::uint32_t address) const noexcept;
    std::uint32_t putbyte(std::uint32_t address, std::uint8_t value) noexcept;
    // A fresh copy of [address, address + length), valid until the next call;
    // null when the run leaves the image (the previous copy then stays). An
    // empty run inside the image gets a non-null one-byte copy.
    std::uint8_t* getpage(std::uint32_t address, std::uint32_t length);
    // Sets (flag nonzero) or clears the mark of the byte at `address` in the
    // editor that page selects; 1 when a shown byte was addressed, else 0.
    std::uint32_t mark(std::uint32_t address, std::uint32_t flag);
    static std::uint32_t spare() noexcept { return 0; }

    // Frees the last getpage copy.
    void releasePage() noexcept;
    // Detaches the editors and frees the image (buflen becomes 0); no set-up
    // failure is left either.
    void release() noexcept;

    [[nodiscard]] std::uint8_t* data() noexcept { return buf_.get(); }
    [[nodiscard]] const std::uint8_t* data() const noexcept { return buf_.get(); }
    [[nodiscard]] std::uint32_t length() const noexcept { return buflen_; }
    // False before the first SetBuffers, without a chip and after a refused
    // image; the file commands and the tools then do nothing.
    [[nodiscard]] bool hasImage() const noexcept { return buf_ != nullptr; }
    // Why the last SetBuffers made no image; nothing while there is one, and
    // before any SetBuffers or after release().
    [[nodiscard]] const std::optional<ImageSetUpFailure>& setUpFailure() const noexcept {
        return setUpFailure_;
    }
    // Changes whenever the image is made anew or freed: what was recorded
    // of an earlier image no longer applies.
    [[nodiscard]] std::uint64_t imageGeneration() const noexcept { return generation_; }
    [[nodiscard]] std::uint8_t fillValue() const noexcept;
    [[nodiscard]] dlldata& callBlock() noexcept { return block_; }
    [[nodiscard]] const dlldata& callBlock() const noexcept { return block_; }

private:
    dlldata& block_;
    std::unique_ptr<std::uint8_t[]> buf_;
    std::uint32_t buflen_ = 0;
    std::unique_ptr<std::uint8_t[]> pagebuf_;
    std::uint8_t* extptr_ = nullptr;
    std::optional<ImageSetUpFailure> setUpFailure_;
    EditorView* mainEditor_ = nullptr;
    EditorView* secondEditor_ = nullptr;
    std::function<void()> layoutListener_;
    bool split_ = true;
    std::uint64_t generation_ = 0;
};

}  // namespace veldrix
