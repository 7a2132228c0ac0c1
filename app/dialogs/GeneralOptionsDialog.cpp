#include "dialogs/GeneralOptionsDialog.h"

#include <QCheckBox>
#include <array>
#include <variant>

#include "dialogs/ResourceDialog.h"

namespace veldrix {

namespace {

// Dialog units.
constexpr int kWidth = 120;
constexpr int kHeight = 123;
constexpr int kLeft = 7;
constexpr int kRight = 113;
constexpr int kFirstTop = 7;
constexpr int kPitch = 13;
constexpr int kBoxHeight = 10;

using FlagMember = std::variant<std::uint8_t GeneralSettings::*, std::int32_t GeneralSettings::*>;

struct Flag {
    const char* text;
    FlagMember member;
};

constexpr std::array<Flag, 7> kFlags{{
    {"Force write", &GeneralSettings::forcewr},
    {"Write check", &GeneralSettings::checkwr},
    {"Conformation", &GeneralSettings::conformation},
    {"Mark clear after operation", &GeneralSettings::markclear},
    {"Test chip insertion", &GeneralSettings::testins},
    {"Split EEPROM\\FLASH area", &GeneralSettings::EepSplit},
    {"Read twice and compare", &GeneralSettings::readtwice},
}};

bool isSet(const GeneralSettings& settings, const FlagMember& member) {
    return std::visit([&settings](auto field) { return settings.*field != 0; }, member);
}

void store(GeneralSettings& settings, const FlagMember& member, bool on) {
    std::visit([&settings, on](auto field) { settings.*field = on ? 1 : 0; }, member);
}

class GeneralOptionsDialog : public ResourceDialog {
public:
    GeneralOptionsDialog(GeneralSettings& settings, QWidget* parent)
        : ResourceDialog(parent, QStringLiteral("General Options"), kWidth, kHeight),
          settings_(settings) {
        setObjectName(QStringLiteral("generalOptions"));
        for (std::size_t i = 0; i < kFlags.size(); ++i) {
            const int top = kFirstTop + kPitch * static_cast<int>(i);
            boxes_[i] = place(new QCheckBox(QString::fromLatin1(kFlags[i].text), this),
                              DialogRect{kLeft, top, kRight, top + kBoxHeight});
            boxes_[i]->setChecked(isSet(settings, kFlags[i].member));
        }
        const int buttonsTop = kFirstTop + kPitch * static_cast<int>(kFlags.size()) + 6;
        addOkCancel(DialogRect{kLeft, buttonsTop, 57, buttonsTop + 14},
                    DialogRect{63, buttonsTop, kRight, buttonsTop + 14});
    }

protected:
    bool acceptEntries() override {
        for (std::size_t i = 0; i < kFlags.size(); ++i) {
            store(settings_, kFlags[i].member, boxes_[i]->isChecked());
        }
        return true;
    }

private:
    GeneralSettings& settings_;
    std::array<QCheckBox*, kFlags.size()> boxes_{};
};

}  // namespace

bool RunGeneralOptions(GeneralSettings& settings, DataBuffer& buffer, QWidget* parent) {
    GeneralOptionsDialog dialog(settings, parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    buffer.setSplitView(settings.EepSplit != 0);
    buffer.AttachEditors();
    return accepted;
}

}  // namespace veldrix
