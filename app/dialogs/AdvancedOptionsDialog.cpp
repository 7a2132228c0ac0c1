#include "dialogs/AdvancedOptionsDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <vector>

#include "catalog/AdvancedOptions.h"
#include "core/Application.h"
#include "dialogs/CDynDialogEx.h"
#include "dialogs/DynControlFactory.h"
#include "dialogs/DynStyles.h"
#include "dialogs/RefusedField.h"

namespace veldrix {

namespace {

using namespace dynstyle;

constexpr std::uint32_t kLabelStyle = kChild | kVisible;
constexpr std::uint32_t kListStyle =
    kChild | kVisible | kVScroll | kGroup | kTabStop | kComboAutoHScroll | kComboDropDownList;
constexpr std::uint32_t kEditStyle = kChild | kVisible | kTabStop | kEditRight;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// The dialog over one AdvancedOptions model; rows and controls by index.
class AdvancedOptionsRun {
public:
    AdvancedOptionsRun(AdvancedOptions& options, Language language, QWidget* parent)
        : options_(options), language_(language), dialog_(parent) {
        dialog_.setObjectName(QStringLiteral("advancedOptions"));
        dialog_.SetCaption(QString::fromLatin1(AdvancedOptions::kCaption));
        const std::vector<AdvancedOptionRow>& rows = options_.rows();
        texts_.resize(rows.size());
        controlIds_.resize(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            addRow(i, rows[i]);
        }
        QObject::connect(&dialog_, &CDynDialogEx::commandForwarded, &dialog_,
                         [this](int id, int notification) { onCommand(id, notification); });
        dialog_.SetOkCheck([this] { return applyEdits(); });
    }

    bool run() { return dialog_.DoModal() == CDynDialogEx::kOk; }

private:
    void addRow(std::size_t index, const AdvancedOptionRow& row) {
        dialog_.AddControl(dynclass::kStatic, fromStd(row.label), kLabelStyle, 0, row.labelRect);
        if (row.algorithmList) {
            QStringList items;
            for (const AlgorithmItem& item : options_.algorithmItems()) {
                items << fromStd(item.name);
            }
            const std::optional<std::size_t> selected = options_.algorithmSelection();
            dialog_.SetComboItems(items, selected ? static_cast<int>(*selected) : -1);
            listId_ =
                dialog_.AddControl(dynclass::kComboBox, QString(), kListStyle, 0, row.controlRect);
            controlIds_[index] = listId_;
            return;
        }
        texts_[index] = fromStd(row.text);
        controlIds_[index] = dialog_.AddControl(dynclass::kEdit, texts_[index],
                                                kEditStyle | (row.enabled ? 0u : kDisabled),
                                                kExClientEdge, row.controlRect, &texts_[index]);
    }

    void onCommand(int id, int notification) {
        if (id != listId_ || notification != dynnotify::kSelectionChange) {
            return;
        }
        const auto* list = qobject_cast<QComboBox*>(dialog_.controlWindow(listId_));
        if (list == nullptr || list->currentIndex() < 0) {
            return;
        }
        options_.chooseAlgorithm(static_cast<std::size_t>(list->currentIndex()));
        const std::vector<AdvancedOptionRow>& rows = options_.rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (auto* edit = editOf(i); edit != nullptr && !rows[i].algorithmList) {
                edit->setText(fromStd(rows[i].text));
            }
        }
    }

    bool applyEdits() {
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            (void)options_.setEditText(i, texts_[i].toStdString());
        }
        const std::optional<RefusedKeyValue> refused = options_.accept();
        if (!refused) {
            return true;
        }
        if (QLineEdit* edit = editOf(refused->row)) {
            refuseField(*edit, refused->message, language_);
        }
        return false;
    }

    [[nodiscard]] QLineEdit* editOf(std::size_t row) const {
        return qobject_cast<QLineEdit*>(dialog_.controlWindow(controlIds_[row]));
    }

    AdvancedOptions& options_;
    Language language_;
    CDynDialogEx dialog_;
    std::vector<QString> texts_;  // the edits' variables, one per row
    std::vector<int> controlIds_;
    int listId_ = 0;
};

}  // namespace

bool RunAdvancedOptions(Application& app, QWidget* parent) {
    AdvancedOptions options = app.advancedOptions();
    if (!options.open(app.modules().appliedChip())) {
        return false;
    }
    AdvancedOptionsRun dialog(options, app.settings().settings().main.language, parent);
    if (!dialog.run()) {
        options.cancel();
    }
    return true;
}

}  // namespace veldrix
