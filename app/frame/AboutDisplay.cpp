#include "frame/AboutDisplay.h"

#include <QFontMetrics>
#include <QPainter>
#include <utility>

namespace veldrix {

QFont creditFont(const CreditStyle& style) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    font.setWeight(static_cast<QFont::Weight>(style.weight));
    // The height is the whole character cell, as the credit table means it;
    // a pixel size is the letters' size only.
    int pixels = style.fontHeight;
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > style.fontHeight) {
        font.setPixelSize(--pixels);
    }
    return font;
}

AboutDisplay::AboutDisplay(CreditLines lines, QString bitmapFolder, QWidget* parent)
    : QWidget(parent), lines_(std::move(lines)), bitmapFolder_(std::move(bitmapFolder)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setInterval(kTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &AboutDisplay::advance);
}

void AboutDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (canvas_.size() != size()) {
        painter.fillRect(rect(), Qt::black);  // before the first tick
    }
    painter.drawPixmap(0, 0, canvas_);
}

void AboutDisplay::advance() {
    if (const auto started = scroller_.tick()) {
        if (!beginLine(*started)) {
            return;
        }
    }
    drawBottomRow();
    update();
}

bool AboutDisplay::beginLine(std::size_t index) {
    const std::string& line = lines_[index];
    currentEmpty_ = line.empty();
    if (currentEmpty_) {
        return true;
    }
    current_ = creditStyleOf(line);
    if (!current_.bitmap) {
        font_ = creditFont(current_);
        scroller_.setLineHeight(current_.lineHeight);
        return true;
    }
    const QString name = QString::fromStdString(current_.text);
    bitmap_ = QPixmap(bitmapFolder_ + name);
    if (bitmap_.isNull()) {
        stop();
        currentEmpty_ = true;
        emit bitmapMissing(name);
        return false;
    }
    scroller_.setLineHeight(bitmap_.height());
    return true;
}

void AboutDisplay::drawBottomRow() {
    if (canvas_.size() != size()) {
        canvas_ = QPixmap(size());
        canvas_.fill(Qt::black);
    }
    const int width = canvas_.width();
    const int height = canvas_.height();
    canvas_.scroll(0, -1, canvas_.rect());
    QPainter painter(&canvas_);
    const QRect bottom(0, height - 1, width, 1);
    painter.fillRect(bottom, Qt::black);
    if (currentEmpty_) {
        return;
    }
    painter.setClipRect(bottom);
    // The line is placed so that its row() lies in the bottom row.
    const QRect line(0, height - 1 - scroller_.row(), width, scroller_.lineHeight());
    if (current_.bitmap) {
        painter.drawPixmap((width - bitmap_.width()) / 2, line.top(), bitmap_);
        return;
    }
    painter.setFont(font_);
    painter.setPen(QColor::fromRgb(static_cast<QRgb>(current_.rgb)));
    const QString text = QFontMetrics(font_).elidedText(QString::fromStdString(current_.text),
                                                        Qt::ElideRight, width);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, text);
}

}  // namespace veldrix
