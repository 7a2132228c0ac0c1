#pragma once
// The progress window of an operation: a bar over the operation's steps and
// a Cancel button, titled "Progress [n%]". It is application-modal without a
// loop of its own: the module's progress reports move it and let waiting
// events through, and Cancel or Esc mark it cancelled and hide it; the
// engine destroys it when the operation ends.

#include <QPoint>
#include <QWidget>
#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace veldrix {

class ProgressWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 390;    // pixels
    static constexpr int kMargin = 10;    // pixels
    static constexpr int kTextLines = 4;  // height of the text area, in lines of its font
    static constexpr const char* kTitle = "Progress";

    // A window over `owner` (the main window; null before it exists) for a
    // bar of 0..total. It opens at `stored` when that point lies on a screen,
    // else centred over the owner.
    ProgressWindow(QWidget* owner, std::int32_t total, QPoint stored);

    // Shows it modal without taking the activation from other programs: it
    // is activated only when one of the program's windows is active.
    void showModal();

    // What the operation is doing ("Reading ..."), over the bar.
    void setText(const QString& text);

    // Moves the bar; the title changes only when the percentage does.
    void setPosition(std::int32_t position, int percent);
    [[nodiscard]] int percent() const noexcept { return percent_; }

    // Keeps the keyboard (and so Esc) with the window while the program has
    // the activation, as clicking a blocked window may take it away.
    void keepFocus();

    // Marks it cancelled, hides it and brings the owner to the front.
    void cancel();
    [[nodiscard]] bool cancelled() const noexcept { return cancelled_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The window has no close box; a close request (a window-manager key)
    // cancels like the button.
    void closeEvent(QCloseEvent* event) override;

private:
    void place(QPoint stored);

    QLabel* text_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
    bool cancelled_ = false;
    int percent_ = 0;
};

}  // namespace veldrix
