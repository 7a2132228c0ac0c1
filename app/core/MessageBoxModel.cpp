#include "core/MessageBoxModel.h"

#include <algorithm>
#include <array>
#include <utility>

#include "dlldata.h"

namespace veldrix {

namespace {

constexpr std::array<std::uint32_t, 1> kOk{DD_IDOK};
constexpr std::array<std::uint32_t, 2> kOkCancel{DD_IDOK, DD_IDCANCEL};
constexpr std::array<std::uint32_t, 3> kAbortRetryIgnore{DD_IDABORT, DD_IDRETRY, DD_IDIGNORE};
constexpr std::array<std::uint32_t, 3> kYesNoCancel{DD_IDYES, DD_IDNO, DD_IDCANCEL};
constexpr std::array<std::uint32_t, 2> kYesNo{DD_IDYES, DD_IDNO};
constexpr std::array<std::uint32_t, 2> kRetryCancel{DD_IDRETRY, DD_IDCANCEL};

constexpr std::uint32_t kButtonSetMask = 0x0F;

struct ButtonCaption {
    std::uint32_t id;
    std::string_view english;
    std::string_view russian;
};

constexpr std::array<ButtonCaption, 7> kCaptions{{
    {DD_IDOK, "OK", "ОК"},
    {DD_IDCANCEL, "Cancel", "Отмена"},
    {DD_IDABORT, "Abort", "Прервать"},
    {DD_IDRETRY, "Retry", "Повтор"},
    {DD_IDIGNORE, "Ignore", "Пропустить"},
    {DD_IDYES, "Yes", "Да"},
    {DD_IDNO, "No", "Нет"},
}};

// Layout in dialog units.
constexpr int kTextLeft = 20;
constexpr int kTextTop = 5;
constexpr int kTextRightBase = 40;
constexpr int kCharWidth = 4;
constexpr int kLineHeight = 10;
constexpr int kMargin = 20;  // right of the text, as left of it
constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 13;
constexpr int kButtonGap = 5;
constexpr int kMinWidthUpToTwoButtons = 95;
constexpr int kMinWidthThreeButtons = 140;

}  // namespace

std::span<const std::uint32_t> messageBoxButtons(std::uint32_t style) noexcept {
    switch (style & kButtonSetMask) {
        case DD_MB_OK:
            return kOk;
        case DD_MB_OKCANCEL:
            return kOkCancel;
        case DD_MB_ABORTRETRYIGNORE:
            return kAbortRetryIgnore;
        case DD_MB_YESNOCANCEL:
            return kYesNoCancel;
        case DD_MB_YESNO:
            return kYesNo;
        case DD_MB_RETRYCANCEL:
            return kRetryCancel;
        default:
            return {};
    }
}

std::string_view messageBoxButtonCaption(std::uint32_t id, Language language) noexcept {
    for (const ButtonCaption& caption : kCaptions) {
        if (caption.id == id) {
            return language == Language::Russian ? caption.russian : caption.english;
        }
    }
    return {};
}

MessageBoxModel::MessageBoxModel(std::uint32_t style, std::string text)
    : style_(style), text_(std::move(text)) {
    if (text_.size() > kMaxTextLength) {
        text_.resize(kMaxTextLength);
    }
    measure();
}

bool MessageBoxModel::offers(std::uint32_t id) const noexcept {
    const auto set = buttons();
    return std::find(set.begin(), set.end(), id) != set.end();
}

void MessageBoxModel::measure() {
    const std::size_t measured = std::min(text_.size(), kMeasuredLength);
    lines_ = text_.empty() ? 0 : 1;
    int longest = 0;
    int current = 0;
    for (std::size_t i = 0; i < measured; ++i) {
        const char c = text_[i];
        // A line feed after a line feed is an empty line of its own.
        if (i + 1 < measured && text_[i + 1] == '\n') {
            ++lines_;
        }
        if (c == '\n') {
            current = 0;
        } else if (c != '\r') {  // a carriage return before the line feed takes no room
            longest = std::max(longest, ++current);
        }
    }
    if (lines_ == 1) {
        longest = static_cast<int>(text_.size());
    }
    longestLine_ = std::max(longest, kMinLineWidth);
}

MessageBoxLayout MessageBoxModel::layout() const {
    MessageBoxLayout result;
    result.text = {kTextLeft, kTextTop, kTextRightBase + kCharWidth * longestLine_,
                   kTextTop + kLineHeight * lines_};
    const auto set = buttons();
    const int count = static_cast<int>(set.size());
    result.width = result.text.right + kMargin;
    if (count == 3) {
        result.width = std::max(result.width, kMinWidthThreeButtons);
    } else {
        result.width = std::max(result.width, kMinWidthUpToTwoButtons);
    }
    const int rowWidth = count > 0 ? count * kButtonWidth + (count - 1) * kButtonGap : 0;
    const int rowTop = result.text.bottom + kButtonGap;
    int x = (result.width - rowWidth) / 2;
    for (int i = 0; i < count; ++i) {
        result.buttons.push_back({x, rowTop, x + kButtonWidth, rowTop + kButtonHeight});
        x += kButtonWidth + kButtonGap;
    }
    result.height = rowTop + (count > 0 ? kButtonHeight + kButtonGap : 0);
    return result;
}

}  // namespace veldrix
