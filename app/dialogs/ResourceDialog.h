#pragma once
// The base of the program's fixed dialogs (Device options, Settings, General
// Options, the value dialog): each control sits at a rectangle in dialog
// units of the dialog font, the application's font at 8 points, and the
// dialog has a fixed size in those units. OK runs acceptEntries(); Cancel,
// Esc and the close box reject.

#include <QDialog>
#include <QPointer>
#include <vector>

#include "core/DialogRect.h"

class QPushButton;

namespace veldrix {

class ResourceDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kFontPoints = 8;

    // `width` and `height` in dialog units.
    ResourceDialog(QWidget* parent, const QString& title, int width, int height);

protected:
    // Places `control`, a child of this dialog, at `rect` (dialog units).
    template <class Control>
    Control* place(Control* control, const DialogRect& rect) {
        placed_.push_back({control, rect});
        layOut();
        return control;
    }
    // The OK (default) and Cancel buttons, under other texts where given.
    void addOkCancel(const DialogRect& ok, const DialogRect& cancel,
                     const QString& okText = QStringLiteral("OK"),
                     const QString& cancelText = QStringLiteral("Cancel"));
    [[nodiscard]] QPushButton* okButton() const noexcept { return okButton_; }

    // OK: true accepts, false keeps the dialog open.
    virtual bool acceptEntries() { return true; }

    void changeEvent(QEvent* event) override;

private:
    struct Placed {
        QPointer<QWidget> control;
        DialogRect rect;
    };

    void layOut();

    int width_;
    int height_;
    std::vector<Placed> placed_;
    QPushButton* okButton_ = nullptr;
};

}  // namespace veldrix
