#include "dialogs/DynDataExchange.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSlider>

#include "dialogs/DynStyles.h"

namespace veldrix {

namespace {

using Direction = DynExchangeDirection;

template <typename T>
T* variableOf(const DynControl& control) {
    T* const* held = std::get_if<T*>(&control.variable);
    return held != nullptr ? *held : nullptr;
}

void exchangeRadioIndex(int& value, std::span<QAbstractButton* const> group, Direction direction) {
    if (direction == Direction::FromControl) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (group[i]->isChecked()) {
                value = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        // Exclusive groups refuse to uncheck their last button otherwise.
        QButtonGroup* exclusive = group[i]->group();
        const bool wasExclusive = exclusive != nullptr && exclusive->exclusive();
        if (wasExclusive) {
            exclusive->setExclusive(false);
        }
        group[i]->setChecked(static_cast<int>(i) == value);
        if (wasExclusive) {
            exclusive->setExclusive(true);
        }
    }
}

void exchangeCheckState(int& value, QWidget* window, Direction direction) {
    auto* button = qobject_cast<QAbstractButton*>(window);
    if (button == nullptr) {
        return;
    }
    auto* box = qobject_cast<QCheckBox*>(button);
    if (direction == Direction::FromControl) {
        if (box == nullptr) {
            value = button->isChecked() ? 1 : 0;
        } else {
            value = box->checkState() == Qt::Checked            ? 1
                    : box->checkState() == Qt::PartiallyChecked ? 2
                                                                : 0;
        }
        return;
    }
    if (box == nullptr) {
        button->setChecked(value != 0);
    } else {
        box->setCheckState(value == 1   ? Qt::Checked
                           : value == 2 ? Qt::PartiallyChecked
                                        : Qt::Unchecked);
    }
}

// Reads the control's value into `value`, or puts `value` into the control,
// when the window is a `Widget`.
template <typename Widget, typename Value, typename Get, typename Set>
void exchangeWith(Value& value, QWidget* window, Direction direction, Get get, Set set) {
    auto* widget = qobject_cast<Widget*>(window);
    if (widget == nullptr) {
        return;
    }
    if (direction == Direction::FromControl) {
        value = get(*widget);
    } else {
        set(*widget, value);
    }
}

void exchangeText(QString& value, QWidget* window, Direction direction) {
    exchangeWith<QLineEdit>(
        value, window, direction, [](QLineEdit& edit) { return edit.text(); },
        [](QLineEdit& edit, const QString& text) { edit.setText(text); });
    exchangeWith<QPlainTextEdit>(
        value, window, direction, [](QPlainTextEdit& edit) { return edit.toPlainText(); },
        [](QPlainTextEdit& edit, const QString& text) { edit.setPlainText(text); });
}

void exchangePosition(int& value, QWidget* window, Direction direction) {
    exchangeWith<QAbstractSlider>(
        value, window, direction, [](QAbstractSlider& slider) { return slider.value(); },
        [](QAbstractSlider& slider, int position) { slider.setValue(position); });
}

void exchangeDateTime(QDateTime& value, QWidget* window, Direction direction) {
    exchangeWith<QDateTimeEdit>(
        value, window, direction, [](QDateTimeEdit& edit) { return edit.dateTime(); },
        [](QDateTimeEdit& edit, const QDateTime& when) { edit.setDateTime(when); });
}

void exchangeDate(QDate& value, QWidget* window, Direction direction) {
    exchangeWith<QCalendarWidget>(
        value, window, direction, [](QCalendarWidget& calendar) { return calendar.selectedDate(); },
        [](QCalendarWidget& calendar, const QDate& day) { calendar.setSelectedDate(day); });
}

// Runs `exchange` on the control's variable when it is a T.
template <typename T, typename Exchange>
void withVariable(const DynControl& control, Exchange exchange) {
    if (T* value = variableOf<T>(control)) {
        exchange(*value);
    }
}

}  // namespace

DynExchangeKind dynExchangeKind(int typeCode, std::uint32_t style) noexcept {
    switch (typeCode) {
        case dynclass::kButton:
            if (dynstyle::isAutoRadio(style)) {
                return DynExchangeKind::RadioIndex;
            }
            return dynstyle::isAutoCheck(style) ? DynExchangeKind::CheckState
                                                : DynExchangeKind::Control;
        case dynclass::kEdit:
            return DynExchangeKind::Text;
        case dynclass::kScrollBar:
        case dynclass::kTrackBar:
            return DynExchangeKind::Position;
        case dynclass::kDateTimePick:
            return DynExchangeKind::DateTime;
        case dynclass::kMonthCalendar:
            return DynExchangeKind::Date;
        default:
            return DynExchangeKind::Control;
    }
}

void exchangeDynData(const DynControl& control, std::span<QAbstractButton* const> radioGroup,
                     DynExchangeDirection direction) {
    QWidget* window = control.window;
    if (window == nullptr) {
        return;
    }
    switch (dynExchangeKind(control.typeCode, control.style)) {
        case DynExchangeKind::RadioIndex:
            withVariable<int>(
                control, [&](int& value) { exchangeRadioIndex(value, radioGroup, direction); });
            break;
        case DynExchangeKind::CheckState:
            withVariable<int>(control,
                              [&](int& value) { exchangeCheckState(value, window, direction); });
            break;
        case DynExchangeKind::Text:
            withVariable<QString>(control,
                                  [&](QString& value) { exchangeText(value, window, direction); });
            break;
        case DynExchangeKind::Position:
            withVariable<int>(control,
                              [&](int& value) { exchangePosition(value, window, direction); });
            break;
        case DynExchangeKind::DateTime:
            withVariable<QDateTime>(
                control, [&](QDateTime& value) { exchangeDateTime(value, window, direction); });
            break;
        case DynExchangeKind::Date:
            withVariable<QDate>(control,
                                [&](QDate& value) { exchangeDate(value, window, direction); });
            break;
        case DynExchangeKind::Control:
            withVariable<QWidget*>(control, [&](QWidget*& value) { value = window; });
            break;
    }
}

}  // namespace veldrix
