#pragma once
// The about box: "About.." with the scrolling credits and an OK button. The
// module description and the system lines are taken when it is made, so
// they describe the module loaded at that moment.

#include <QDialog>
#include <QString>

class QPushButton;

namespace veldrix {

class AboutDisplay;
class UserInterface;

class AboutBox : public QDialog {
    Q_OBJECT

public:
    static constexpr int kDisplayWidth = 300;   // pixels
    static constexpr int kDisplayHeight = 190;  // pixels
    // Where the credit lines' bitmaps are looked up.
    static constexpr const char* kBitmapFolder = ":/bitmaps/";

    // `moduleAbout` is the loaded module's description (null: none). A
    // bitmap that cannot be found is reported through `ui`.
    AboutBox(const char* moduleAbout, UserInterface& ui, QWidget* parent = nullptr,
             const QString& bitmapFolder = QString::fromLatin1(kBitmapFolder));

    [[nodiscard]] AboutDisplay& display() noexcept { return *display_; }

protected:
    void showEvent(QShowEvent* event) override;
    // OK and Esc both stop the scroller before the box goes.
    void done(int result) override;

private:
    void reportMissingBitmap(const QString& name);

    UserInterface& ui_;
    AboutDisplay* display_;
    QPushButton* ok_;
    bool started_ = false;
};

}  // namespace veldrix
