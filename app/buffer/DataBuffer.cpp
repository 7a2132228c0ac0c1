#include "buffer/DataBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "buffer/BufferAreas.h"

namespace veldrix {

namespace {

// Values of the call block's page field: which editor mark() addresses.
constexpr std::uint8_t kPageMain = 0;
constexpr std::uint8_t kPageSecond = 1;
constexpr std::uint8_t kPageNone = 255;

void reportRefusedImage(const dlldata& block) {
    if (block.status != nullptr) {
        block.status("SetBuffers error!!");
    }
}

ImageSetUpFailure failureOf(ImageSetUpCause cause, const dlldata& block, std::uint64_t wanted) {
    return {cause, block.size, block.extofs, block.extlen, block.eepofs, block.eeplen, wanted};
}

}  // namespace

DataBuffer::DataBuffer(dlldata& block) : block_(block) {}

DataBuffer::~DataBuffer() = default;

void DataBuffer::setEditors(EditorView* mainEditor, EditorView* secondEditor) {
    mainEditor_ = mainEditor;
    secondEditor_ = secondEditor;
}

void DataBuffer::setLayoutListener(std::function<void()> listener) {
    layoutListener_ = std::move(listener);
}

std::uint8_t DataBuffer::fillValue() const noexcept {
    return static_cast<std::uint8_t>(block_.blank & 0xFF);
}

void DataBuffer::SetBuffers() {
    block_.page = kPageNone;
    const std::uint64_t wanted = requiredImageLength(block_);

    release();

    if (wanted > kMaxLength) {
        setUpFailure_ = failureOf(ImageSetUpCause::TooLarge, block_, wanted);
        reportRefusedImage(block_);
        return;
    }
    if (wanted != 0) {
        const auto length = static_cast<std::uint32_t>(wanted);
        buf_.reset(new (std::nothrow) std::uint8_t[length]);
        if (!buf_) {
            setUpFailure_ = failureOf(ImageSetUpCause::NoMemory, block_, wanted);
            reportRefusedImage(block_);
            return;
        }
        buflen_ = length;
        std::memset(buf_.get(), fillValue(), buflen_);
    } else {
        setUpFailure_ = failureOf(ImageSetUpCause::NoLength, block_, wanted);
    }
    // Also without a chip, so that the editors are laid out empty and page is 0.
    AttachEditors();
    if (buf_ && block_.extlen != 0) {
        extptr_ = buf_.get() + block_.extofs;
    }
}

void DataBuffer::AttachEditors() {
    // A module may have moved its areas since SetBuffers; a range that no
    // longer lies inside the image is shown in no editor.
    bool mainShown = false;
    bool secondShown = false;
    if (buf_) {
        if (split_) {
            if (block_.size != 0 && areaFits(0, block_.size, buflen_) && mainEditor_ != nullptr) {
                mainEditor_->attachData(buf_.get(), block_.size, 0);
                mainShown = true;
            }
            if (block_.eeplen != 0 && areaFits(block_.eepofs, block_.eeplen, buflen_) &&
                secondEditor_ != nullptr) {
                secondEditor_->attachData(buf_.get() + block_.eepofs, block_.eeplen, block_.eepofs);
                secondShown = true;
            }
        } else if (mainEditor_ != nullptr) {
            mainEditor_->attachData(buf_.get(), buflen_, 0);
            mainShown = true;
        }
    }
    // An editor that gets nothing must not keep showing an earlier range
    // (the split view may just have been switched off).
    if (!mainShown && mainEditor_ != nullptr) {
        mainEditor_->detachData();
    }
    if (!secondShown && secondEditor_ != nullptr) {
        secondEditor_->detachData();
    }
    ClearMarks();
    if (layoutListener_) {
        layoutListener_();
    }
}

void DataBuffer::ClearMarks() {
    block_.page = kPageSecond;
    if (secondEditor_ != nullptr) {
        secondEditor_->clearMarks();
    }
    block_.page = kPageMain;
    if (mainEditor_ != nullptr) {
        mainEditor_->clearMarks();
    }
}

std::uint8_t DataBuffer::getbyte(std::uint32_t address) const noexcept {
    return address < buflen_ ? buf_[address] : 0xFF;
}

std::uint32_t DataBuffer::putbyte(std::uint32_t address, std::uint8_t value) noexcept {
    if (address >= buflen_) {
        return 0;
    }
    buf_[address] = value;
    return 1;
}

std::uint8_t* DataBuffer::getpage(std::uint32_t address, std::uint32_t length) {
    if (!buf_ || !areaFits(address, length, buflen_)) {
        return nullptr;
    }
    // An empty run inside the image is a valid request: it gets a one-byte
    // copy, so the pointer is non-null and even a stray read stays inside it.
    const std::uint32_t allocated = std::max<std::uint32_t>(length, 1);
    std::unique_ptr<std::uint8_t[]> copy(new (std::nothrow) std::uint8_t[allocated]);
    if (!copy) {
        return nullptr;
    }
    copy[0] = 0;  // the spare byte of an empty run
    std::memcpy(copy.get(), buf_.get() + address, length);
    pagebuf_ = std::move(copy);
    return pagebuf_.get();
}

std::uint32_t DataBuffer::mark(std::uint32_t address, std::uint32_t flag) {
    EditorView* editor = nullptr;
    std::uint32_t index = address;
    if (!split_ || block_.page == kPageMain) {
        editor = mainEditor_;
    } else if (block_.page == kPageSecond && address >= block_.eepofs) {
        editor = secondEditor_;
        index = address - block_.eepofs;
    }
    if (editor == nullptr) {
        return 0;
    }
    return editor->setMark(index, flag != 0) ? 1 : 0;
}

void DataBuffer::releasePage() noexcept {
    pagebuf_.reset();
}

void DataBuffer::release() noexcept {
    if (mainEditor_ != nullptr) {
        mainEditor_->detachData();
    }
    if (secondEditor_ != nullptr) {
        secondEditor_->detachData();
    }
    extptr_ = nullptr;
    buf_.reset();
    buflen_ = 0;
    setUpFailure_.reset();
    ++generation_;
}

}  // namespace veldrix
