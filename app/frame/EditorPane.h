#pragma once
// The pane in the middle of the main window: the main hex editor ("mem") at
// the top and below it the second editor ("epp"), which shows the chip's
// second area. The second editor takes a fixed height at the bottom only
// while the split view is on and the chip has a second area; otherwise the
// main editor fills the pane.

#include <QWidget>
#include <cstddef>

#include "core/ProgramSettings.h"

namespace veldrix {

class CHexEditBase;

class EditorPane : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSideMargin = 4;      // pixels from the pane's left and right
    static constexpr int kEditorGap = 5;       // pixels between the two editors
    static constexpr int kSecondHeight = 158;  // pixels

    explicit EditorPane(QWidget* parent = nullptr);

    [[nodiscard]] CHexEditBase& mainEditor() noexcept { return *main_; }
    [[nodiscard]] CHexEditBase& secondEditor() noexcept { return *second_; }

    // After the buffer attached its areas: the second editor shows only
    // when it got one (split view on and a chip with a second area).
    void layOut();

    void applySettings(const ColorSettings& colors, const FontSettings& font);

    [[nodiscard]] bool hasSelection() const noexcept;
    // Where commands on the selection go: the editor with the keyboard focus,
    // else the one with a selection (the main editor first), else the main
    // editor.
    [[nodiscard]] CHexEditBase& selectionTarget() noexcept;

    // The editor that shows byte `offset` of the image, the main one first;
    // null when neither does.
    [[nodiscard]] CHexEditBase* editorShowing(std::size_t offset) noexcept;

    // [offset, offset + length) of the image (undone, redone, gone to): the
    // editor showing its first byte takes the focus with the caret there, no
    // selection, and the range scrolled into view; both editors repaint.
    void showImageRange(std::size_t offset, std::size_t length);

    // Focus to the second editor, then to the main editor, which keeps it;
    // both repaint.
    void refocus();
    // Both editors show the buffer's bytes anew (changed behind their back).
    void repaintEditors();

    // Both editors lay out anew (a language switch may change the fonts).
    void relayoutEditors();

signals:
    void selectionChanged();
    // The user typed or pasted into either editor.
    void edited();

private:
    CHexEditBase* main_;
    CHexEditBase* second_;
};

}  // namespace veldrix
