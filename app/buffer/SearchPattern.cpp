#include "buffer/SearchPattern.h"

#include <QCoreApplication>

namespace veldrix {

namespace {

[[nodiscard]] bool isBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}

[[nodiscard]] int hexValue(char c) noexcept {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

[[nodiscard]] SearchPattern failed(PatternFault fault, std::size_t position) {
    return {{}, PatternError{fault, position}};
}

[[nodiscard]] SearchPattern parseHexBytes(std::string_view text) {
    SearchPattern pattern;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
            continue;
        }
        const std::size_t groupStart = i;
        for (; i < text.size() && !isBlank(text[i]); ++i) {
            if (hexValue(text[i]) < 0) {
                return failed(PatternFault::NotAHexDigit, i);
            }
        }
        if ((i - groupStart) % 2 != 0) {
            return failed(PatternFault::OddDigits, groupStart);
        }
        for (std::size_t d = groupStart; d < i; d += 2) {
            pattern.bytes.push_back(
                static_cast<std::uint8_t>(hexValue(text[d]) << 4 | hexValue(text[d + 1])));
        }
    }
    if (pattern.bytes.empty()) {
        return failed(PatternFault::Empty, 0);
    }
    return pattern;
}

}  // namespace

SearchPattern parseSearchPattern(std::string_view text, PatternKind kind) {
    if (kind == PatternKind::HexBytes) {
        return parseHexBytes(text);
    }
    if (text.empty()) {
        return failed(PatternFault::Empty, 0);
    }
    return {{text.begin(), text.end()}, std::nullopt};
}

std::string patternErrorText(const PatternError& error) {
    const auto translated = [](const char* text) {
        return QCoreApplication::translate("SearchPattern", text);
    };
    const auto position = static_cast<qulonglong>(error.position) + 1;
    switch (error.fault) {
        case PatternFault::Empty:
            return translated(QT_TRANSLATE_NOOP("SearchPattern", "Nothing to search for"))
                .toStdString();
        case PatternFault::NotAHexDigit:
            return translated(QT_TRANSLATE_NOOP("SearchPattern", "Not a hex digit at position %1"))
                .arg(position)
                .toStdString();
        case PatternFault::OddDigits:
            return translated(QT_TRANSLATE_NOOP("SearchPattern",
                                                "Odd number of hex digits at position %1"))
                .arg(position)
                .toStdString();
    }
    return {};
}

}  // namespace veldrix
