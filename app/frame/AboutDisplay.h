#pragma once
// The about box's display: the credit lines scrolling up without end on
// black, one pixel per tick, each line in the style of its format code.
// The picture is kept in an off-screen pixmap that each tick scrolls and
// completes by one row at the bottom.

#include <QFont>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include "frame/AboutCredits.h"
#include "frame/AboutScroller.h"

namespace veldrix {

class AboutDisplay : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 10;

    // Bitmap lines name a file in `bitmapFolder` (a resource folder).
    AboutDisplay(CreditLines lines, QString bitmapFolder, QWidget* parent = nullptr);

    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    [[nodiscard]] bool running() const { return timer_.isActive(); }

    // One tick: one pixel up, the next row of the current line at the
    // bottom, a new line when the current one is in whole. A bitmap that
    // cannot be loaded stops the scroller where it is.
    void advance();

    [[nodiscard]] const CreditLines& lines() const noexcept { return lines_; }
    [[nodiscard]] const AboutScroller& scroller() const noexcept { return scroller_; }
    // What the display shows; made at the display's size by the first tick.
    [[nodiscard]] const QPixmap& picture() const noexcept { return canvas_; }
    // The style of the line scrolling in; meaningless while it is empty.
    [[nodiscard]] const CreditStyle& currentStyle() const noexcept { return current_; }
    [[nodiscard]] bool currentLineEmpty() const noexcept { return currentEmpty_; }
    [[nodiscard]] const QFont& currentFont() const noexcept { return font_; }

signals:
    void bitmapMissing(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // False when the line is a bitmap that cannot be loaded.
    bool beginLine(std::size_t index);
    void drawBottomRow();

    CreditLines lines_;
    QString bitmapFolder_;
    AboutScroller scroller_;
    QTimer timer_;
    QPixmap canvas_;
    CreditStyle current_;
    bool currentEmpty_ = true;
    QFont font_;
    QPixmap bitmap_;
};

// The font of a text style: the face and weight it names, at the largest
// size whose cell fits its height.
[[nodiscard]] QFont creditFont(const CreditStyle& style);

}  // namespace veldrix
