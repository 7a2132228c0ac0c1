#pragma once
// Finding the controls of an open dialog in a test, by object name or by
// the text the user reads on them.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>

#include "ModalDialogs.h"

namespace veldrix::test {

template <class Control>
Control* named(QWidget& dialog, const char* name) {
    auto* control = dialog.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        ADD_FAILURE() << "no control " << name << " in " << dialog.objectName().toStdString();
    }
    return control;
}

template <class Button = QAbstractButton>
Button* labelled(QWidget& dialog, const QString& text) {
    for (Button* button : dialog.findChildren<Button*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString() << " in "
                  << dialog.objectName().toStdString();
    return nullptr;
}

inline void click(QWidget& dialog, const QString& text) {
    if (QAbstractButton* button = labelled(dialog, text)) {
        button->click();
    }
}

// Clicks OK of `dialog`, which is to refuse what it holds: returns the text
// of the message box that says why, closing it.
inline QString refusalOnOk(QWidget& dialog) {
    QString reason;
    onNextModal([&reason](QWidget& box) {
        if (auto* text = box.findChild<QPlainTextEdit*>()) {
            reason = text->toPlainText();
        }
        box.close();
    });
    click(dialog, QStringLiteral("OK"));
    return reason;
}

// Answers the next value dialog (Fill, Xor) with `value`; null cancels it.
inline void answerValueDialog(const char* value) {
    onNextModal([value](QWidget& dialog) {
        if (value == nullptr) {
            click(dialog, QStringLiteral("Cancel"));
            return;
        }
        dialog.findChild<QLineEdit*>()->setText(QString::fromLatin1(value));
        click(dialog, QStringLiteral("OK"));
    });
}

// The row of `text` in `list`, -1 when it is not there.
inline int rowOf(const QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list.row(found.front());
}

}  // namespace veldrix::test
