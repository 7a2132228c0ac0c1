#pragma once
// The fixed 16-byte name of catalogue records: at most 15 characters and a
// NUL, so that every name can be handed on as a C string.

#include <cstddef>
#include <string_view>

namespace veldrix {

class NameField {
public:
    static constexpr std::size_t kSize = 16;
    static constexpr std::size_t kMaxLength = kSize - 1;

    // Keeps the first 15 bytes of `text`.
    void assign(std::string_view text) noexcept;
    // As assign(), and a byte below 0x20 or at or above 0x80 ends the name:
    // the rule for chip and algorithm names, which come from a whole line.
    void assignPrintable(std::string_view text) noexcept;
    void clear() noexcept;

    [[nodiscard]] std::string_view view() const noexcept;
    [[nodiscard]] const char* c_str() const noexcept { return text_; }
    [[nodiscard]] bool empty() const noexcept { return text_[0] == '\0'; }

    friend bool operator==(const NameField& name, std::string_view text) noexcept {
        return name.view() == text;
    }

private:
    char text_[kSize] = {};
};

}  // namespace veldrix
