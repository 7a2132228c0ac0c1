#pragma once
// The program's message box without its window: which buttons a style
// gives, what they are called and which identifier each returns, the text
// as the box shows it, and the box's layout in dialog units. The GUI builds
// its dialog from it; the terminal front end builds its prompt from it.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/DialogRect.h"
#include "core/ProgramSettings.h"

namespace veldrix {

// The box's caption in every language.
inline constexpr std::string_view kMessageBoxCaption = "VELDRIX";

// Button identifiers, left to right, for the style's low four bits (DD_MB_*);
// empty for the values that name no button set. Higher bits change nothing.
[[nodiscard]] std::span<const std::uint32_t> messageBoxButtons(std::uint32_t style) noexcept;

// Caption of the button with identifier `id` (DD_ID*); empty for an unknown one.
[[nodiscard]] std::string_view messageBoxButtonCaption(std::uint32_t id,
                                                       Language language) noexcept;

struct MessageBoxLayout {
    int width = 0;   // of the dialog
    int height = 0;  // of the dialog
    DialogRect text;
    std::vector<DialogRect> buttons;  // in messageBoxButtons() order
};

class MessageBoxModel {
public:
    // Longest text shown, in bytes (the box formats into 512 bytes).
    static constexpr std::size_t kMaxTextLength = 511;
    // The measurement looks at this many characters only.
    static constexpr std::size_t kMeasuredLength = 256;
    // Narrowest text width, in characters.
    static constexpr int kMinLineWidth = 15;

    MessageBoxModel(std::uint32_t style, std::string text);

    [[nodiscard]] std::uint32_t style() const noexcept { return style_; }
    [[nodiscard]] const std::string& text() const noexcept { return text_; }
    [[nodiscard]] std::span<const std::uint32_t> buttons() const noexcept {
        return messageBoxButtons(style_);
    }
    // True when `id` is one of this box's buttons.
    [[nodiscard]] bool offers(std::uint32_t id) const noexcept;

    // 1 for a non-empty text plus one per line feed that follows a
    // character; 0 for an empty text.
    [[nodiscard]] int lines() const noexcept { return lines_; }
    // Longest line in characters, at least kMinLineWidth. A single-line
    // text counts whole.
    [[nodiscard]] int longestLine() const noexcept { return longestLine_; }

    [[nodiscard]] MessageBoxLayout layout() const;

private:
    void measure();

    std::uint32_t style_;
    std::string text_;
    int lines_ = 0;
    int longestLine_ = kMinLineWidth;
};

}  // namespace veldrix
