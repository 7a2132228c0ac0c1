#include "frame/EditorPane.h"

#include <QVBoxLayout>
#include <algorithm>

#include "hexedit/CHexEditBase.h"
#include "hexedit/HexEditSettings.h"

namespace veldrix {

namespace {

constexpr std::uint32_t kAddressDigits = 6;
constexpr std::uint32_t kBytesPerRow = 16;

// The presentation both editors of the main window have.
void configureEditor(CHexEditBase& editor) {
    editor.SetAddressDigits(kAddressDigits, false);
    editor.SetShowAddress(true, false);
    editor.SetShowAscii(true, false);
    editor.SetBytesPerRow(kBytesPerRow, false, false);
}

}  // namespace

EditorPane::EditorPane(QWidget* parent)
    : QWidget(parent),
      main_(new CHexEditBase(CHexEditBase::kMultiLineStyle, this)),
      second_(new CHexEditBase(CHexEditBase::kMultiLineStyle, this)) {
    setObjectName(QStringLiteral("pane"));
    main_->setObjectName(QStringLiteral("mem"));
    second_->setObjectName(QStringLiteral("epp"));
    configureEditor(*main_);
    configureEditor(*second_);
    second_->setFixedHeight(kSecondHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSideMargin, 0, kSideMargin, 0);
    layout->setSpacing(kEditorGap);
    layout->addWidget(main_, 1);
    layout->addWidget(second_);
    layOut();

    connect(main_, &CHexEditBase::selectionChanged, this, &EditorPane::selectionChanged);
    connect(second_, &CHexEditBase::selectionChanged, this, &EditorPane::selectionChanged);
    connect(main_, &CHexEditBase::editChanged, this, &EditorPane::edited);
    connect(second_, &CHexEditBase::editChanged, this, &EditorPane::edited);
}

void EditorPane::layOut() {
    second_->setVisible(second_->length() != 0);
}

void EditorPane::applySettings(const ColorSettings& colors, const FontSettings& font) {
    applyHexEditSettings(*main_, colors, font);
    applyHexEditSettings(*second_, colors, font);
}

bool EditorPane::hasSelection() const noexcept {
    return main_->HasSelection() || second_->HasSelection();
}

CHexEditBase& EditorPane::selectionTarget() noexcept {
    if (second_->hasFocus()) {
        return *second_;
    }
    if (main_->hasFocus() || main_->HasSelection() || !second_->HasSelection()) {
        return *main_;
    }
    return *second_;
}

CHexEditBase* EditorPane::editorShowing(std::size_t offset) noexcept {
    for (CHexEditBase* editor : {main_, second_}) {
        if (offset >= editor->addressOffset() &&
            offset - editor->addressOffset() < editor->length()) {
            return editor;
        }
    }
    return nullptr;
}

void EditorPane::showImageRange(std::size_t offset, std::size_t length) {
    if (CHexEditBase* editor = editorShowing(offset)) {
        const auto first = static_cast<std::uint32_t>(offset - editor->addressOffset());
        const auto last = static_cast<std::uint32_t>(std::min<std::size_t>(
            first + std::max<std::size_t>(length, 1) - 1, editor->length() - 1));
        editor->setFocus();
        editor->SetSelection(kNoIndex, kNoIndex, false, false);
        editor->MakeVisible(first, last, false);
        editor->SetCaret(first, true);
    }
    main_->viewport()->update();
    second_->viewport()->update();
}

void EditorPane::refocus() {
    second_->setFocus();
    main_->setFocus();
    repaintEditors();
}

void EditorPane::repaintEditors() {
    second_->viewport()->update();
    main_->viewport()->update();
}

void EditorPane::relayoutEditors() {
    for (CHexEditBase* editor : {main_, second_}) {
        editor->CalculateLayout();
        editor->viewport()->update();
    }
}

}  // namespace veldrix
