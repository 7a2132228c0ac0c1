#pragma once
// A modal dialog whose controls are added by code at run time: the caller
// sets a caption, adds controls by class (type code or class name) with a
// caption, style bits, a rectangle in dialog units and optionally a variable
// to exchange the control's value with, and runs it. The frame grows to hold
// every control; OK and Cancel are added unless switched off.
//
//   CDynDialogEx dialog(parent);
//   dialog.SetCaption("Settings");
//   QString name = "x";
//   dialog.AddControl(dynclass::kEdit, "", dynstyle::kChild | dynstyle::kVisible, 0,
//                     DialogRect{10, 8, 120, 20}, &name);
//   if (dialog.DoModal() == CDynDialogEx::kOk) { ... name holds the edit's text ... }

#include <QDialog>
#include <QFont>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/DialogRect.h"
#include "dialogs/DynControl.h"

class QAbstractButton;

namespace veldrix {

class CDynDialogEx : public QDialog {
    Q_OBJECT

public:
    // DoModal() results.
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;
    // Identifiers given as 0 are taken from one counter for the whole run.
    static constexpr int kFirstAutomaticId = 1024;
    // Commands from this identifier on are also sent on to the parent.
    static constexpr int kFirstForwardedCommand = 8;
    // Dialog units.
    static constexpr int kFirstRow = 8;
    static constexpr int kRowStep = 8;
    static constexpr int kButtonRowGap = 6;
    static constexpr int kFrameMargin = 5;

    // Shows a failure to make a control ("Failed to create DlgItem.").
    using FailureReporter = std::function<void(const std::string& text)>;
    // The program's message box is the default; the user interface installs
    // its own so the text follows its language and parent rules. Empty
    // restores the default.
    static void SetFailureReporter(FailureReporter reporter);

    explicit CDynDialogEx(QWidget* parent = nullptr);
    ~CDynDialogEx() override;

    void SetCaption(const QString& caption) { caption_ = caption; }

    // Adds a control and returns its identifier (`id`, or the next automatic
    // one when 0). Without a rectangle it goes into the next free row, 110
    // units wide when given by code and 260 when given by class name.
    int AddControl(int typeCode, const QString& caption, std::uint32_t style,
                   std::uint32_t exStyle = 0, std::optional<DialogRect> rect = std::nullopt,
                   DynVariable variable = {}, int id = 0);
    int AddControl(const QString& className, const QString& caption, std::uint32_t style,
                   std::uint32_t exStyle = 0, std::optional<DialogRect> rect = std::nullopt,
                   DynVariable variable = {}, int id = 0);

    void SetAddButtons(bool on) noexcept { addButtons_ = on; }
    void SetDialogFont(const QFont& font) { font_ = font; }
    // Points; 0 keeps the chosen font's size.
    void SetDialogFontSize(int points) noexcept { pointSize_ = points; }

    // What every "COMBOBOX" control lists when the dialog starts, and the
    // index it selects (-1 or out of range: none).
    void SetComboItems(QStringList items, int selected);

    // Runs at OK once the controls' values are in the variables; false keeps
    // the dialog open (a value was refused).
    using OkCheck = std::function<bool()>;
    void SetOkCheck(OkCheck check) { okCheck_ = std::move(check); }

    // Runs the dialog: kOk or kCancel.
    int DoModal();

    // The frame in dialog units, grown by every control added.
    [[nodiscard]] DialogRect GetDlgRect() const noexcept { return frame_; }
    void SetDlgRect(const DialogRect& rect) noexcept { frame_ = rect; }

    [[nodiscard]] const std::vector<DynControl>& controls() const noexcept { return controls_; }
    // The window of control `id`; null before the dialog starts or when it
    // could not be made.
    [[nodiscard]] QWidget* controlWindow(int id) const;
    // The identifier of the last command, the button that closed the dialog;
    // kCancel after Esc or the close box.
    [[nodiscard]] int lastCommand() const noexcept { return lastCommand_; }

    // A command from a control: 1, 4, 5, 6 close with OK (the controls'
    // values taken first, then the OK check asked), 2, 3, 7 with Cancel, and from
    // kFirstForwardedCommand on it is also emitted as commandForwarded.
    void OnCommand(int id, int notification);

signals:
    void commandForwarded(int id, int notification);

protected:
    // Esc and the close box.
    void reject() override;

private:
    int add(int typeCode, QString className, const QString& caption, std::uint32_t style,
            std::uint32_t exStyle, std::optional<DialogRect> rect, DynVariable variable, int id,
            int defaultWidth);
    void addOkCancel();
    [[nodiscard]] QFont chosenFont() const;
    // What the dialog does when it starts: controls made, filled, placed and
    // given their values.
    void prepare();
    void createControls();
    void groupRadioButtons();
    void exchange(bool toControls);
    // The first control with a tab stop starts with the keyboard focus.
    void focusFirstTabStop();
    [[nodiscard]] std::vector<QAbstractButton*> radioGroupOf(std::size_t item) const;
    void reportFailure(const std::string& text);

    QString caption_;
    std::optional<QFont> font_;
    int pointSize_ = 0;
    int nextRow_ = kFirstRow;
    bool addButtons_ = true;
    bool buttonsAdded_ = false;
    bool prepared_ = false;
    bool preparing_ = false;
    DialogRect frame_;
    std::vector<DynControl> controls_;
    std::vector<int> radioGroup_;  // per control: the index of its group's first item, or -1
    OkCheck okCheck_;
    QStringList comboItems_;
    int comboSelected_ = -1;
    int lastCommand_ = 0;
};

}  // namespace veldrix
