#include "dialogs/SettingsDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "core/Application.h"
#include "core/SettingsEdit.h"
#include "dialogs/RefusedField.h"
#include "dialogs/ResourceDialog.h"
#include "hexedit/CHexEditBase.h"
#include "hexedit/HexColors.h"
#include "hexedit/HexEditSettings.h"

namespace veldrix {

namespace {

// Dialog units.
constexpr int kWidth = 223;
constexpr int kHeight = 194;

struct ColorButton {
    const char* text;
    EditorColor color;
    DialogRect rect;
};

constexpr std::array<ColorButton, 5> kColorButtons{{
    {"Address", EditorColor::Address, {62, 143, 110, 156}},
    {"Hex", EditorColor::Hex, {113, 143, 161, 156}},
    {"ASCII", EditorColor::Ascii, {164, 143, 212, 156}},
    {"Background", EditorColor::Background, {11, 159, 59, 172}},
    {"Highlite", EditorColor::Highlight, {62, 159, 110, 172}},
}};

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

class SettingsDialog : public ResourceDialog {
public:
    SettingsDialog(Application& app, QWidget* parent)
        : ResourceDialog(parent, QStringLiteral("Settings"), kWidth, kHeight),
          edit_(app),
          language_(app.settings().settings().main.language) {
        setObjectName(QStringLiteral("settings"));
        buildDriverGroup();
        buildModulesGroup();
        buildColorsGroup();
        sound_ = place(new QCheckBox(QStringLiteral("Sound"), this), DialogRect{11, 179, 70, 189});
        sound_->setChecked(edit_.sound());
        addOkCancel(DialogRect{110, 176, 160, 190}, DialogRect{166, 176, 216, 190});
    }

    [[nodiscard]] const SettingsEdit& edit() const noexcept { return edit_; }

protected:
    bool acceptEntries() override {
        SettingsEntries entries;
        entries.ecr = ecr_->text().toStdString();
        entries.ntDriver = ntDriver_->isChecked();
        entries.sound = sound_->isChecked();
        entries.moduleRoot = moduleRoot_->text().toStdString();
        if (const std::optional<RefusedSetting> refused = edit_.accept(entries)) {
            refuseField(*ecr_, refused->message, language_);
            return false;
        }
        return true;
    }

    void reject() override {
        edit_.cancel();
        ResourceDialog::reject();
    }

private:
    void buildDriverGroup() {
        place(new QGroupBox(QStringLiteral("Driver"), this), DialogRect{7, 3, 216, 64});
        ports_ = place(new QComboBox(this), DialogRect{14, 15, 84, 27});
        ports_->setObjectName(QStringLiteral("ports"));
        place(new QLabel(QStringLiteral("ECR"), this), DialogRect{92, 17, 108, 26});
        ecr_ = place(new QLineEdit(fromStd(edit_.ecrText()), this), DialogRect{110, 15, 146, 27});
        ecr_->setObjectName(QStringLiteral("ecr"));
        directAccess_ = place(new QRadioButton(QStringLiteral("Direct access"), this),
                              DialogRect{154, 13, 212, 23});
        ntDriver_ = place(new QRadioButton(QStringLiteral("NT driver"), this),
                          DialogRect{154, 26, 212, 36});
        (edit_.ntDriver() ? ntDriver_ : directAccess_)->setChecked(true);
        // Only the chooser sets the driver: a typed name would not be bound.
        driver_ = place(new QLineEdit(this), DialogRect{14, 44, 192, 56});
        driver_->setObjectName(QStringLiteral("driver"));
        driver_->setReadOnly(true);
        auto* browse =
            place(new QPushButton(QStringLiteral(".."), this), DialogRect{195, 44, 210, 56});
        browse->setObjectName(QStringLiteral("driverBrowse"));
        connect(browse, &QPushButton::clicked, this, [this] { chooseDriver(); });
        showDriver();
    }

    void buildModulesGroup() {
        place(new QGroupBox(QStringLiteral("Modules"), this), DialogRect{7, 67, 216, 128});
        moduleRoot_ =
            place(new QLineEdit(fromStd(edit_.moduleRoot()), this), DialogRect{14, 79, 192, 91});
        moduleRoot_->setObjectName(QStringLiteral("moduleRoot"));
        auto* browse =
            place(new QPushButton(QStringLiteral(".."), this), DialogRect{195, 79, 210, 91});
        browse->setObjectName(QStringLiteral("moduleRootBrowse"));
        connect(browse, &QPushButton::clicked, this, [this] { chooseModuleFolder(); });
        auto* modules = place(new QListWidget(this), DialogRect{14, 95, 120, 124});
        modules->setObjectName(QStringLiteral("modules"));
        for (const std::string& name : edit_.moduleNames()) {
            modules->addItem(fromStd(name));
        }
        if (const std::optional<std::size_t> row = edit_.savedModuleRow()) {
            modules->setCurrentRow(static_cast<int>(*row));
        }
        // Kept from the classic dialog; they have never moved modules anywhere.
        place(new QPushButton(QStringLiteral(">>"), this), DialogRect{126, 95, 150, 108});
        place(new QPushButton(QStringLiteral("<<"), this), DialogRect{126, 111, 150, 124});
    }

    void buildColorsGroup() {
        place(new QGroupBox(QStringLiteral("Colors"), this), DialogRect{7, 131, 216, 175});
        auto* font =
            place(new QPushButton(QStringLiteral("Font"), this), DialogRect{11, 143, 59, 156});
        connect(font, &QPushButton::clicked, this, [this] { chooseFont(); });
        for (const ColorButton& entry : kColorButtons) {
            auto* button =
                place(new QPushButton(QString::fromLatin1(entry.text), this), entry.rect);
            const EditorColor color = entry.color;
            connect(button, &QPushButton::clicked, this, [this, color] { chooseColor(color); });
        }
        // The mark colours are not the user's to choose here.
        place(new QPushButton(QStringLiteral("Mark"), this), DialogRect{113, 159, 161, 172});
    }

    void showDriver() {
        driver_->setText(fromStd(edit_.driverName()));
        ports_->clear();
        for (const std::string& label : edit_.portLabels()) {
            ports_->addItem(fromStd(label));
        }
        ports_->setCurrentIndex(ports_->count() > 0 ? static_cast<int>(edit_.portRow()) : -1);
    }

    void chooseDriver() {
        const QString chosen = QFileDialog::getOpenFileName(
            this, QString(), QString::fromStdString(edit_.driverChooserStart().string()),
            QString::fromLatin1(SettingsEdit::kDriverFilter));
        if (chosen.isEmpty()) {
            return;
        }
        edit_.chooseDriverFile(chosen.toStdString());
        showDriver();
    }

    void chooseModuleFolder() {
        const QString start = QString::fromStdString(
            edit_.moduleFolderStart(moduleRoot_->text().toStdString()).string());
        const QString chosen = QFileDialog::getExistingDirectory(
            this, QString::fromLatin1(SettingsEdit::kModuleFolderTitle), start);
        if (!chosen.isEmpty()) {
            moduleRoot_->setText(fromStd(edit_.moduleRootText(chosen.toStdString())));
        }
    }

    void chooseColor(EditorColor which) {
        const QColor chosen = QColorDialog::getColor(toQColor(edit_.color(which)), this);
        if (chosen.isValid()) {
            edit_.setColor(which, toColorref(chosen));
        }
        okButton()->setFocus();
    }

    void chooseFont() {
        QFont current = hexEditFontFromSettings(edit_.font());
        // By the face's own style name ("Book" rather than "Normal"), the
        // picker finds the style in use instead of offering its first one.
        current.setStyleName(QFontInfo(current).styleName());
        bool ok = false;
        const QFont chosen =
            QFontDialog::getFont(&ok, current, this, QString(), QFontDialog::MonospacedFonts);
        if (ok) {
            edit_.chooseFont(chosen.family().toStdString(), QFontInfo(chosen).pixelSize());
        }
    }

    SettingsEdit edit_;
    Language language_;
    QComboBox* ports_ = nullptr;
    QLineEdit* ecr_ = nullptr;
    QRadioButton* directAccess_ = nullptr;
    QRadioButton* ntDriver_ = nullptr;
    QLineEdit* driver_ = nullptr;
    QLineEdit* moduleRoot_ = nullptr;
    QCheckBox* sound_ = nullptr;
};

}  // namespace

bool RunSettingsDialog(Application& app, CHexEditBase* mainEditor, CHexEditBase* secondEditor,
                       QWidget* parent) {
    SettingsDialog dialog(app, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    for (CHexEditBase* editor : {mainEditor, secondEditor}) {
        if (editor != nullptr) {
            applyHexEditSettings(*editor, app.settings().settings().colors,
                                 app.settings().settings().font);
        }
    }
    return true;
}

}  // namespace veldrix
