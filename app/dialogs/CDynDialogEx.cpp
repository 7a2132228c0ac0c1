#include "dialogs/CDynDialogEx.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QScopedValueRollback>
#include <algorithm>
#include <utility>

#include "dialogs/DialogUnits.h"
#include "dialogs/DynControlFactory.h"
#include "dialogs/DynDataExchange.h"
#include "dialogs/DynStyles.h"
#include "dialogs/MessageBoxDialog.h"
#include "dlldata.h"

namespace veldrix {

namespace {

constexpr char kCreateFailed[] = "Failed to create DlgItem.";
constexpr int kRightByCode = 120;
constexpr int kRightByName = 270;
constexpr int kLeft = 10;
constexpr int kOkLeft = 10, kOkRight = 60, kCancelLeft = 65, kCancelRight = 115;
constexpr int kButtonHeight = 12;

CDynDialogEx::FailureReporter& installedReporter() {
    static CDynDialogEx::FailureReporter reporter;
    return reporter;
}

int nextAutomaticId() {
    // Never reset: identifiers stay unique across every dialog of the run.
    static int next = CDynDialogEx::kFirstAutomaticId;
    return next++;
}

bool isRadio(const DynControl& control) {
    const std::uint32_t kind = control.style & dynstyle::kButtonKindMask;
    return control.typeCode == dynclass::kButton &&
           (kind == dynstyle::kRadioButton || kind == dynstyle::kAutoRadioButton);
}

// A combo box's rectangle includes its drop-down list: the closed box is
// as tall as its font needs, and as wide as its longest item needs, so that
// no name is cut off.
QRect placeOf(const DynControl& control, const DialogUnits& units) {
    QRect place = units.toPixels(control.rect);
    if (control.typeCode == dynclass::kComboBox || control.typeCode == dynclass::kComboBoxEx) {
        const QSize needed = control.window->sizeHint();
        place.setHeight(std::min(place.height(), needed.height()));
        place.setWidth(std::max(place.width(), needed.width()));
    }
    return place;
}

bool closesWithOk(int id) {
    return id == DD_IDOK || id == DD_IDIGNORE || id == DD_IDRETRY || id == DD_IDYES;
}

bool closesWithCancel(int id) {
    return id == DD_IDCANCEL || id == DD_IDABORT || id == DD_IDNO;
}

}  // namespace

void CDynDialogEx::SetFailureReporter(FailureReporter reporter) {
    installedReporter() = std::move(reporter);
}

CDynDialogEx::CDynDialogEx(QWidget* parent) : QDialog(parent) {}

CDynDialogEx::~CDynDialogEx() = default;

int CDynDialogEx::AddControl(int typeCode, const QString& caption, std::uint32_t style,
                             std::uint32_t exStyle, std::optional<DialogRect> rect,
                             DynVariable variable, int id) {
    const std::string_view name = dynClassName(typeCode);
    return add(typeCode, QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
               caption, style, exStyle, rect, std::move(variable), id, kRightByCode);
}

int CDynDialogEx::AddControl(const QString& className, const QString& caption, std::uint32_t style,
                             std::uint32_t exStyle, std::optional<DialogRect> rect,
                             DynVariable variable, int id) {
    const QByteArray latin = className.toLatin1();
    const int typeCode = dynTypeCode(std::string_view(latin.constData(), latin.size()));
    return add(typeCode, className, caption, style, exStyle, rect, std::move(variable), id,
               kRightByName);
}

int CDynDialogEx::add(int typeCode, QString className, const QString& caption, std::uint32_t style,
                      std::uint32_t exStyle, std::optional<DialogRect> rect, DynVariable variable,
                      int id, int defaultRight) {
    const DialogRect place = rect.value_or(DialogRect{kLeft, nextRow_, defaultRight, nextRow_ + 8});
    nextRow_ += kRowStep;
    frame_.left = std::min(frame_.left, place.left);
    frame_.top = std::min(frame_.top, place.top);
    if (place.right > frame_.right) {
        frame_.right = place.right + kFrameMargin;
    }
    if (place.bottom > frame_.bottom) {
        frame_.bottom = place.bottom + kFrameMargin;
    }
    DynControl control;
    control.className = std::move(className);
    control.id = id != 0 ? id : nextAutomaticId();
    control.typeCode = typeCode;
    control.style = style;
    control.exStyle = exStyle;
    control.rect = place;
    control.caption = caption;
    control.variable = std::move(variable);
    controls_.push_back(std::move(control));
    return controls_.back().id;
}

void CDynDialogEx::addOkCancel() {
    nextRow_ += kButtonRowGap;
    const int y = nextRow_;
    AddControl(dynclass::kButton, QStringLiteral("OK"), dynstyle::kDialogButton, 0,
               DialogRect{kOkLeft, y, kOkRight, y + kButtonHeight}, {}, DD_IDOK);
    AddControl(dynclass::kButton, QStringLiteral("Cancel"), dynstyle::kDialogButton, 0,
               DialogRect{kCancelLeft, y, kCancelRight, y + kButtonHeight}, {}, DD_IDCANCEL);
}

void CDynDialogEx::SetComboItems(QStringList items, int selected) {
    comboItems_ = std::move(items);
    comboSelected_ = selected;
}

QWidget* CDynDialogEx::controlWindow(int id) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [id](const DynControl& c) { return c.id == id; });
    return found != controls_.end() ? found->window.data() : nullptr;
}

QFont CDynDialogEx::chosenFont() const {
    QFont font =
        font_.value_or(parentWidget() != nullptr ? parentWidget()->font() : QApplication::font());
    if (pointSize_ > 0) {
        font.setPointSize(pointSize_);
    }
    return font;
}

int CDynDialogEx::DoModal() {
    if (addButtons_ && !buttonsAdded_) {
        addOkCancel();
        buttonsAdded_ = true;
    }
    prepare();
    return exec() == QDialog::Accepted ? kOk : kCancel;
}

void CDynDialogEx::prepare() {
    // Controls announce the user's changes only, not the dialog's own.
    const QScopedValueRollback quiet(preparing_, true);
    setWindowTitle(caption_);
    const QFont font = chosenFont();
    setFont(font);
    if (!prepared_) {
        createControls();
        groupRadioButtons();
        prepared_ = true;
    }
    const DialogUnits units(font);
    QSize size = units.toPixels(frame_.right - frame_.left, frame_.bottom - frame_.top);
    const QSize margin = units.toPixels(kFrameMargin, kFrameMargin);
    for (const DynControl& control : controls_) {
        if (control.window != nullptr) {
            const QRect place = placeOf(control, units);
            control.window->setGeometry(place);
            // A control grown beyond its rectangle widens the dialog with it.
            size = size.expandedTo(QSize(place.right() + 1, place.bottom() + 1) + margin);
        }
    }
    // A window without area would never be shown, and so never closed.
    setFixedSize(size.expandedTo(QSize(1, 1)));
    lastCommand_ = 0;
    exchange(true);
    focusFirstTabStop();
}

void CDynDialogEx::focusFirstTabStop() {
    for (const DynControl& control : controls_) {
        QWidget* window = control.window;
        if (window != nullptr && (control.style & dynstyle::kTabStop) != 0 && window->isEnabled() &&
            (window->focusPolicy() & Qt::TabFocus) != 0) {
            window->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void CDynDialogEx::createControls() {
    const DynCommandSink sink = [this](int id, int notification) {
        if (!preparing_) {
            OnCommand(id, notification);
        }
    };
    for (DynControl& control : controls_) {
        control.window = createDynControl(control, this, sink);
        if (control.window == nullptr) {
            reportFailure(kCreateFailed);
            continue;
        }
        if (control.className == QLatin1String("COMBOBOX")) {
            auto* combo = static_cast<QComboBox*>(control.window.data());
            combo->addItems(comboItems_);
            combo->setCurrentIndex(comboSelected_ < combo->count() ? comboSelected_ : -1);
        }
    }
}

void CDynDialogEx::groupRadioButtons() {
    radioGroup_.assign(controls_.size(), -1);
    QButtonGroup* group = nullptr;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const DynControl& control = controls_[i];
        if (!isRadio(control)) {
            group = nullptr;
            continue;
        }
        const bool startsGroup = group == nullptr || (control.style & dynstyle::kGroup) != 0;
        if (startsGroup) {
            group = new QButtonGroup(this);
        }
        radioGroup_[i] = startsGroup ? static_cast<int>(i) : radioGroup_[i - 1];
        if (auto* button = qobject_cast<QAbstractButton*>(control.window.data())) {
            group->addButton(button);
        }
    }
}

std::vector<QAbstractButton*> CDynDialogEx::radioGroupOf(std::size_t item) const {
    std::vector<QAbstractButton*> buttons;
    if (item >= radioGroup_.size() || radioGroup_[item] < 0) {
        return buttons;
    }
    const int first = radioGroup_[item];
    for (std::size_t i = static_cast<std::size_t>(first);
         i < controls_.size() && radioGroup_[i] == first; ++i) {
        if (auto* button = qobject_cast<QAbstractButton*>(controls_[i].window.data())) {
            buttons.push_back(button);
        }
    }
    return buttons;
}

void CDynDialogEx::exchange(bool toControls) {
    const DynExchangeDirection direction =
        toControls ? DynExchangeDirection::ToControl : DynExchangeDirection::FromControl;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const std::vector<QAbstractButton*> group = radioGroupOf(i);
        exchangeDynData(controls_[i], group, direction);
    }
}

void CDynDialogEx::OnCommand(int id, int notification) {
    lastCommand_ = id;
    if (closesWithOk(id)) {
        exchange(false);
        if (!okCheck_ || okCheck_()) {
            accept();
        }
    } else if (closesWithCancel(id)) {
        QDialog::reject();
    } else if (id >= kFirstForwardedCommand) {
        emit commandForwarded(id, notification);
    }
}

void CDynDialogEx::reject() {
    lastCommand_ = DD_IDCANCEL;
    QDialog::reject();
}

void CDynDialogEx::reportFailure(const std::string& text) {
    if (installedReporter()) {
        installedReporter()(text);
    } else {
        showMessageBox(DD_MB_OK, text, Language::English, parentWidget());
    }
}

}  // namespace veldrix
