#pragma once
// A call block, two fake editors and the data buffer wired to them, with the
// block's status callback recording what it is asked to show.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "FakeEditorView.h"
#include "buffer/DataBuffer.h"
#include "dlldata.h"

namespace veldrix::test {

class BufferFixture : public ::testing::Test {
protected:
    BufferFixture() {
        block.blank = 0xFF;
        block.status = &recordStatus;
        statusTexts().clear();
        buffer.setEditors(&mainEditor, &secondEditor);
        buffer.setLayoutListener([this] { ++layouts; });
    }

    // Selects a chip: main area of `size` bytes, second area at `eepofs`.
    void selectChip(std::uint32_t size, std::uint32_t eeplen = 0, std::uint32_t eepofs = 0) {
        block.size = size;
        block.eeplen = eeplen;
        block.eepofs = eepofs;
        buffer.SetBuffers();
    }

    // Copies `bytes` to the image start.
    void load(const std::string& bytes) {
        ASSERT_LE(bytes.size(), buffer.length());
        std::copy(bytes.begin(), bytes.end(), buffer.data());
    }

    [[nodiscard]] std::string image() const {
        return {reinterpret_cast<const char*>(buffer.data()), buffer.length()};
    }

    static std::vector<std::string>& statusTexts() {
        static std::vector<std::string> texts;
        return texts;
    }

    dlldata block{};
    FakeEditorView mainEditor;
    FakeEditorView secondEditor;
    DataBuffer buffer{block};
    int layouts = 0;

private:
    static void recordStatus(const char* format, ...) {
        char text[100];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        statusTexts().emplace_back(text);
    }
};

}  // namespace veldrix::test
