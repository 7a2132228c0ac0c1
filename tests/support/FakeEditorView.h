#pragma once
// An editor that remembers what it was given and keeps a real mark map.

#include <cstdint>
#include <string>
#include <vector>

#include "buffer/EditorView.h"

namespace veldrix::test {

class FakeEditorView : public EditorView {
public:
    std::uint8_t* data = nullptr;
    std::uint32_t length = 0;
    std::uint32_t addressOffset = 0;
    std::vector<bool> marks;
    int attachCount = 0;
    int detachCount = 0;
    int clearCount = 0;
    int repaints = 0;

    void attachData(std::uint8_t* bytes, std::uint32_t count, std::uint32_t offset) override {
        data = bytes;
        length = count;
        addressOffset = offset;
        marks.assign(count, false);
        ++attachCount;
        ++repaints;
    }
    void detachData() override {
        data = nullptr;
        length = 0;
        addressOffset = 0;
        marks.clear();
        ++detachCount;
        ++repaints;
    }
    bool setMark(std::uint32_t index, bool marked) override {
        if (index >= marks.size()) {
            return false;
        }
        marks[index] = marked;
        ++repaints;
        return true;
    }
    void clearMarks() override {
        marks.assign(marks.size(), false);
        ++clearCount;
        ++repaints;
    }

    [[nodiscard]] std::size_t markedCount() const {
        std::size_t n = 0;
        for (bool m : marks) {
            n += m ? 1 : 0;
        }
        return n;
    }
};

}  // namespace veldrix::test
