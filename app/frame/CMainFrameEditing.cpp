// The main window's editing commands: undo and redo, go to address, find.
#include <QCoreApplication>
#include <span>

#include "core/Application.h"
#include "dialogs/FindDialog.h"
#include "dialogs/GoToDialog.h"
#include "frame/CMainFrame.h"
#include "frame/EditorPane.h"
#include "frame/GuiUserInterface.h"
#include "hexedit/CHexEditBase.h"

namespace veldrix {

namespace {

// Where a search starts: just after the selection's start, which may be the
// match found last, else at the caret; the selection's start for one that
// goes backward.
std::size_t searchStart(const CHexEditBase& editor, SearchDirection direction) {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    if (!editor.GetSelection(start, end)) {
        return editor.caret();
    }
    return direction == SearchDirection::Forward ? std::size_t{start} + 1 : start;
}

}  // namespace

void CMainFrame::undo() {
    showRestored(engine_.history().undo());
}

void CMainFrame::redo() {
    showRestored(engine_.history().redo());
}

void CMainFrame::showRestored(const std::optional<ChangedRange>& range) {
    if (range) {
        editors_->showImageRange(range->offset, range->length);
    }
}

void CMainFrame::goToAddress() {
    CHexEditBase& editor = editors_->selectionTarget();
    if (editor.length() == 0) {
        return;
    }
    const Language language = engine_.settings().settings().main.language;
    if (const auto index = RunGoToDialog(editor.addressOffset(), editor.length(), language, this)) {
        editors_->showImageRange(std::size_t{editor.addressOffset()} + *index, 1);
    }
}

void CMainFrame::find() {
    // Taken before the dialog has the focus.
    CHexEditBase& editor = editors_->selectionTarget();
    if (editor.length() == 0) {
        return;
    }
    const Language language = engine_.settings().settings().main.language;
    if (const auto request = RunFindDialog(lastFind_.value_or(FindQuery{}), language, this)) {
        lastFind_ = request->query;
        search(editor, request->query, request->direction);
    }
}

void CMainFrame::findAgain(SearchDirection direction) {
    if (!lastFind_) {
        find();
        return;
    }
    search(editors_->selectionTarget(), *lastFind_, direction);
}

void CMainFrame::search(CHexEditBase& editor, const FindQuery& query, SearchDirection direction) {
    if (editor.data() == nullptr || editor.length() == 0) {
        return;
    }
    // The editor shows the data buffer's bytes in place.
    const std::span<const std::uint8_t> shown(editor.data(), editor.length());
    const std::optional<SearchHit> hit =
        findPattern(shown, query.bytes, searchStart(editor, direction), direction);
    // A note of an earlier wrap would no longer be true.
    setPaneText(Pane::Message, QString());
    if (!hit) {
        ui_.messageBox(DD_MB_OK, QCoreApplication::translate("CMainFrame", "Not found: %1")
                                     .arg(query.text)
                                     .toStdString());
        return;
    }
    const auto first = static_cast<std::uint32_t>(hit->offset);
    const auto last = static_cast<std::uint32_t>(hit->offset + query.bytes.size() - 1);
    editor.setFocus();
    editor.SetSelection(first, last, true, true);
    editor.SetCaret(first, true);
    if (hit->wrapped) {
        setPaneText(Pane::Message,
                    direction == SearchDirection::Forward
                        ? QCoreApplication::translate("CMainFrame",
                                                      "Search wrapped: continued from the start")
                        : QCoreApplication::translate("CMainFrame",
                                                      "Search wrapped: continued from the end"));
    }
}

}  // namespace veldrix
