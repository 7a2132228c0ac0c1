#include "hexedit/HexShortcutKeys.h"

#include <QKeyEvent>

#include "hexedit/CHexEditBase.h"

namespace veldrix {

bool HexShortcutKeys::claims(const QKeyEvent& event) {
    if (!(event.modifiers() & Qt::ControlModifier)) {
        return false;
    }
    const int key = event.key();
    return key == Qt::Key_A || key == Qt::Key_C || key == Qt::Key_V;
}

bool HexShortcutKeys::handleKey(const QKeyEvent& event) {
    if (!claims(event)) {
        return false;
    }
    switch (event.key()) {
        case Qt::Key_A:
            editor_.SelectAll();
            break;
        case Qt::Key_C:
            editor_.Copy();
            break;
        default:
            editor_.Paste();
            break;
    }
    return true;
}

}  // namespace veldrix
