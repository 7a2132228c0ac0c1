#include "dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <QString>
#include <cstdint>

namespace veldrix {

namespace {

// a * b / c rounded to the nearest, halves away from zero.
int mulDiv(int a, int b, int c) noexcept {
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    static const QString kAlphabet =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // The average width of the 52 letters, rounded to the nearest pixel.
    baseX_ = (metrics.horizontalAdvance(kAlphabet) / 26 + 1) / 2;
    baseY_ = metrics.height();
    if (baseX_ < 1) {
        baseX_ = 1;
    }
    if (baseY_ < 1) {
        baseY_ = 1;
    }
}

int DialogUnits::x(int units) const noexcept {
    return mulDiv(units, baseX_, 4);
}

int DialogUnits::y(int units) const noexcept {
    return mulDiv(units, baseY_, 8);
}

QRect DialogUnits::toPixels(const DialogRect& rect) const noexcept {
    const int left = x(rect.left);
    const int top = y(rect.top);
    return QRect(left, top, x(rect.right) - left, y(rect.bottom) - top);
}

QSize DialogUnits::toPixels(int width, int height) const noexcept {
    return QSize(x(width), y(height));
}

}  // namespace veldrix
