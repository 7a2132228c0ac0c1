#include "dialogs/DynControlFactory.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>

#include "dialogs/DynStyles.h"

namespace veldrix {

namespace {

using namespace dynstyle;

QWidget* makeButton(const DynControl& control, QWidget* parent, const DynCommandSink& sink) {
    const std::uint32_t kind = control.style & kButtonKindMask;
    QAbstractButton* button = nullptr;
    switch (kind) {
        case kGroupBox:
            return new QGroupBox(control.caption, parent);
        case kCheckBox:
        case kAutoCheckBox:
        case k3State:
        case kAuto3State: {
            auto* box = new QCheckBox(control.caption, parent);
            box->setTristate(kind == k3State || kind == kAuto3State);
            button = box;
            break;
        }
        case kRadioButton:
        case kAutoRadioButton:
            button = new QRadioButton(control.caption, parent);
            break;
        default: {
            auto* push = new QPushButton(control.caption, parent);
            push->setDefault(kind == kDefPushButton);
            button = push;
            break;
        }
    }
    const int id = control.id;
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [sink, id] { sink(id, dynnotify::kButtonClicked); });
    return button;
}

Qt::Alignment editAlignment(std::uint32_t style) {
    if ((style & kEditRight) != 0) {
        return Qt::AlignRight;
    }
    return (style & kEditCenter) != 0 ? Qt::AlignHCenter : Qt::AlignLeft;
}

void styleEdit(QWidget& edit, bool readOnly) {
    if (readOnly) {
        QPalette palette = edit.palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        edit.setPalette(palette);
    }
}

QWidget* makeEdit(const DynControl& control, QWidget* parent, const DynCommandSink& sink) {
    const int id = control.id;
    const bool readOnly = (control.style & kEditReadOnly) != 0;
    const bool framed = (control.style & kBorder) != 0 || (control.exStyle & kExClientEdge) != 0;
    if ((control.style & kEditMultiLine) != 0) {
        auto* edit = new QPlainTextEdit(control.caption, parent);
        edit->setReadOnly(readOnly);
        styleEdit(*edit, readOnly);
        edit->setFrameShape(framed ? QFrame::StyledPanel : QFrame::NoFrame);
        // Classic edits keep their text a pixel from the edge; the default
        // margin would not leave a line of 10 dialog units room for itself.
        edit->document()->setDocumentMargin(1);
        edit->setVerticalScrollBarPolicy((control.style & kVScroll) != 0 ? Qt::ScrollBarAsNeeded
                                                                         : Qt::ScrollBarAlwaysOff);
        // A multi-line edit without a horizontal scroll bar wraps its lines.
        const bool sideways = (control.style & kHScroll) != 0;
        edit->setHorizontalScrollBarPolicy(sideways ? Qt::ScrollBarAsNeeded
                                                    : Qt::ScrollBarAlwaysOff);
        edit->setLineWrapMode(sideways ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        if (!readOnly) {
            QObject::connect(edit, &QPlainTextEdit::textChanged, edit,
                             [sink, id] { sink(id, dynnotify::kEditChange); });
        }
        return edit;
    }
    auto* edit = new QLineEdit(control.caption, parent);
    edit->setReadOnly(readOnly);
    styleEdit(*edit, readOnly);
    edit->setFrame(framed);
    edit->setAlignment(editAlignment(control.style) | Qt::AlignVCenter);
    if ((control.style & kEditPassword) != 0) {
        edit->setEchoMode(QLineEdit::Password);
    }
    QObject::connect(edit, &QLineEdit::textEdited, edit,
                     [sink, id] { sink(id, dynnotify::kEditChange); });
    return edit;
}

QWidget* makeStatic(const DynControl& control, QWidget* parent) {
    auto* label = new QLabel(control.caption, parent);
    Qt::Alignment alignment = Qt::AlignLeft;
    if ((control.style & kStaticRight) != 0) {
        alignment = Qt::AlignRight;
    } else if ((control.style & kStaticCenter) != 0) {
        alignment = Qt::AlignHCenter;
    }
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QWidget* makeComboBox(const DynControl& control, QWidget* parent, const DynCommandSink& sink) {
    auto* combo = new QComboBox(parent);
    combo->setEditable((control.style & kComboKindMask) == kComboDropDown);
    // Its size hint follows its items, which the dialog fills before placing it.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    const int id = control.id;
    QObject::connect(combo, &QComboBox::activated, combo,
                     [sink, id] { sink(id, dynnotify::kSelectionChange); });
    return combo;
}

QWidget* makeListBox(const DynControl& control, QWidget* parent, const DynCommandSink& sink) {
    auto* list = new QListWidget(parent);
    const int id = control.id;
    QObject::connect(list, &QListWidget::currentRowChanged, list,
                     [sink, id] { sink(id, dynnotify::kSelectionChange); });
    return list;
}

QWidget* makeDateTime(const DynControl& control, QWidget* parent) {
    auto* edit = new QDateTimeEdit(parent);
    edit->setDisplayFormat(isTimeFormat(control.style) ? QStringLiteral("HH:mm:ss")
                                                       : QStringLiteral("yyyy-MM-dd"));
    return edit;
}

QWidget* makeIpAddress(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setInputMask(QStringLiteral("000.000.000.000;_"));
    return edit;
}

Qt::Orientation orientation(bool vertical) {
    return vertical ? Qt::Vertical : Qt::Horizontal;
}

QWidget* makeWidget(const DynControl& control, QWidget* parent, const DynCommandSink& sink) {
    switch (control.typeCode) {
        case dynclass::kButton:
            return makeButton(control, parent, sink);
        case dynclass::kEdit:
            return makeEdit(control, parent, sink);
        case dynclass::kStatic:
            return makeStatic(control, parent);
        case dynclass::kListBox:
            return makeListBox(control, parent, sink);
        case dynclass::kScrollBar:
            return new QScrollBar(orientation((control.style & kScrollBarVertical) != 0), parent);
        case dynclass::kComboBox:
        case dynclass::kComboBoxEx:
            return makeComboBox(control, parent, sink);
        case dynclass::kUpDown:
            return new QSpinBox(parent);
        case dynclass::kProgress:
            return new QProgressBar(parent);
        case dynclass::kTrackBar:
            return new QSlider(orientation((control.style & kTrackBarVertical) != 0), parent);
        case dynclass::kHotKey:
            return new QKeySequenceEdit(parent);
        case dynclass::kListView:
        case dynclass::kTreeView:
            return new QTreeWidget(parent);
        case dynclass::kTabControl:
            return new QTabBar(parent);
        case dynclass::kAnimate:
            return new QLabel(parent);
        case dynclass::kRichEdit:
            return new QTextEdit(control.caption, parent);
        case dynclass::kDateTimePick:
            return makeDateTime(control, parent);
        case dynclass::kMonthCalendar:
            return new QCalendarWidget(parent);
        case dynclass::kIpAddress:
            return makeIpAddress(parent);
        default:
            return nullptr;
    }
}

}  // namespace

QWidget* createDynControl(const DynControl& control, QWidget* parent, const DynCommandSink& sink) {
    QWidget* widget = makeWidget(control, parent, sink);
    if (widget == nullptr) {
        return nullptr;
    }
    widget->setObjectName(QStringLiteral("dyn%1").arg(control.id));
    if ((control.style & kTabStop) == 0) {
        widget->setFocusPolicy(static_cast<Qt::FocusPolicy>(widget->focusPolicy() & ~Qt::TabFocus));
    }
    widget->setEnabled((control.style & kDisabled) == 0);
    widget->setHidden((control.style & kVisible) == 0);
    return widget;
}

}  // namespace veldrix
