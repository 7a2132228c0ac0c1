#include "hexedit/HexDigitKeys.h"

#include <QKeyEvent>

#include "hexedit/CHexEditBase.h"

namespace veldrix {

std::optional<int> HexDigitKeys::digitValue(const QString& text) {
    if (text.size() != 1) {
        return std::nullopt;
    }
    const char16_t c = text.front().toLower().unicode();
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return std::nullopt;
}

bool HexDigitKeys::handleKey(const QKeyEvent& event) {
    if (event.text().isEmpty()) {
        return false;
    }
    // With Ctrl or Alt held a key is a command, not a character.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return true;
    }
    if (const auto value = digitValue(event.text())) {
        editor_.TypeHexDigit(static_cast<std::uint8_t>(*value));
    }
    return true;
}

}  // namespace veldrix
