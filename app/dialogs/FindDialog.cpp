#include "dialogs/FindDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/RefusedField.h"

namespace veldrix {

namespace {

// Dialog units.
constexpr int kWidth = 200;
constexpr int kHeight = 60;

}  // namespace

FindDialog::FindDialog(const FindQuery& last, Language language, QWidget* parent)
    : ResourceDialog(parent, tr("Find"), kWidth, kHeight),
      edit_(new QLineEdit(last.text, this)),
      hexBytes_(new QRadioButton(tr("&Hex bytes"), this)),
      text_(new QRadioButton(tr("&Text"), this)),
      language_(language) {
    setObjectName(QStringLiteral("findDialog"));
    edit_->setObjectName(QStringLiteral("findText"));
    hexBytes_->setObjectName(QStringLiteral("findHexBytes"));
    text_->setObjectName(QStringLiteral("findAsText"));
    auto* caption = place(new QLabel(tr("Fi&nd:"), this), DialogRect{7, 9, 40, 19});
    caption->setBuddy(edit_);
    place(edit_, DialogRect{42, 7, 193, 20});
    place(hexBytes_, DialogRect{42, 23, 110, 33});
    place(text_, DialogRect{114, 23, 193, 33});
    (last.kind == PatternKind::Text ? text_ : hexBytes_)->setChecked(true);

    addOkCancel(DialogRect{42, 39, 92, 53}, DialogRect{148, 39, 193, 53}, tr("&Next"),
                tr("Cancel"));
    okButton()->setObjectName(QStringLiteral("findNext"));
    auto* previous = place(new QPushButton(tr("&Previous"), this), DialogRect{95, 39, 145, 53});
    previous->setObjectName(QStringLiteral("findPrevious"));
    previous->setAutoDefault(false);
    connect(previous, &QPushButton::clicked, this, [this] {
        if (takeEntries(SearchDirection::Backward)) {
            accept();
        }
    });
    edit_->selectAll();
    edit_->setFocus();
}

bool FindDialog::acceptEntries() {
    return takeEntries(SearchDirection::Forward);
}

bool FindDialog::takeEntries(SearchDirection direction) {
    const PatternKind kind = text_->isChecked() ? PatternKind::Text : PatternKind::HexBytes;
    const QString text = edit_->text();
    SearchPattern pattern = parseSearchPattern(text.toStdString(), kind);
    if (pattern.error) {
        refuseField(*edit_, patternErrorText(*pattern.error), language_);
        return false;
    }
    request_ = {{text, kind, std::move(pattern.bytes)}, direction};
    return true;
}

std::optional<FindRequest> RunFindDialog(const FindQuery& last, Language language,
                                         QWidget* parent) {
    FindDialog dialog(last, language, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.request();
}

}  // namespace veldrix
