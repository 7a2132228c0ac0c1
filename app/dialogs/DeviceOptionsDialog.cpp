#include "dialogs/DeviceOptionsDialog.h"

#include <QComboBox>
#include <QLabel>
#include <array>

#include "core/Application.h"
#include "core/DeviceVoltages.h"
#include "dialogs/ResourceDialog.h"

namespace veldrix {

namespace {

// Dialog units.
constexpr int kWidth = 186;
constexpr int kHeight = 60;
constexpr int kColumnLeft = 7;
constexpr int kColumnPitch = 59;
constexpr int kColumnWidth = 54;

QStringList itemsOf(const VoltageList& list) {
    QStringList items;
    for (const std::string& text : list.itemTexts()) {
        items << QString::fromStdString(text);
    }
    return items;
}

class DeviceOptionsDialog : public ResourceDialog {
public:
    DeviceOptionsDialog(const DeviceVoltages& voltages, QWidget* parent)
        : ResourceDialog(parent, QStringLiteral("Device options"), kWidth, kHeight) {
        setObjectName(QStringLiteral("deviceOptions"));
        for (const Supply supply : kSupplies) {
            const auto column = static_cast<std::size_t>(supply);
            const VoltageList& list = voltages.list(supply);
            const int left = kColumnLeft + kColumnPitch * static_cast<int>(column);
            const int right = left + kColumnWidth;
            place(new QLabel(QString::fromLatin1(list.label), this),
                  DialogRect{left, 7, right, 16});
            auto* combo = place(new QComboBox(this), DialogRect{left, 17, right, 29});
            combo->setObjectName(QString::fromLatin1(list.label));
            combo->addItems(itemsOf(list));
            combo->setCurrentIndex(list.current ? static_cast<int>(*list.current) : -1);
            // The chip's voltage is not in the table: nothing to choose from.
            combo->setEnabled(list.current.has_value());
            combos_[column] = combo;
        }
        addOkCancel(DialogRect{36, 38, 86, 52}, DialogRect{100, 38, 150, 52});
    }

    [[nodiscard]] VoltageChoice choice() const {
        VoltageChoice chosen;
        for (std::size_t i = 0; i < combos_.size(); ++i) {
            const int index = combos_[i]->currentIndex();
            if (index >= 0) {
                chosen[i] = static_cast<std::size_t>(index);
            }
        }
        return chosen;
    }

private:
    std::array<QComboBox*, kSupplies.size()> combos_{};
};

}  // namespace

bool RunDeviceOptions(Application& app, QWidget* parent) {
    if (!DeviceVoltages::available(app.callBlock())) {
        return false;
    }
    const DeviceVoltages voltages(app.callBlock());
    DeviceOptionsDialog dialog(voltages, parent);
    if (dialog.exec() == QDialog::Accepted) {
        voltages.apply(app.callBlock(), dialog.choice());
        app.modules().showVoltagePanes();
    }
    return true;
}

}  // namespace veldrix
