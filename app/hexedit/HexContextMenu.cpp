#include "hexedit/HexContextMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include "hexedit/CHexEditBase.h"
#include "hexedit/HexClipboard.h"

namespace veldrix {

namespace {

bool clipboardOffersBinaryData() {
    const QMimeData* offered = QApplication::clipboard()->mimeData();
    return offered != nullptr && offered->hasFormat(QString::fromLatin1(kBinaryDataMime));
}

}  // namespace

std::unique_ptr<QMenu> createHexContextMenu(CHexEditBase& editor) {
    auto menu = std::make_unique<QMenu>(&editor);
    QAction* copy = menu->addAction(CHexEditBase::tr("Copy"), &editor, &CHexEditBase::Copy);
    copy->setData(kCopyCommand);
    copy->setEnabled(editor.HasSelection());
    QAction* paste = menu->addAction(CHexEditBase::tr("Paste"), &editor, &CHexEditBase::Paste);
    paste->setData(kPasteCommand);
    paste->setEnabled(clipboardOffersBinaryData() && !editor.isReadonly());
    // The third entry's text is not translated.
    QAction* crc = menu->addAction(QStringLiteral("CRC"), &editor, &CHexEditBase::ShowCrc);
    crc->setData(kCrcCommand);
    return menu;
}

}  // namespace veldrix
