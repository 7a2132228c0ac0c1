#include "core/SettingsEdit.h"

#include <algorithm>

#include "catalog/WholeNumber.h"
#include "core/Application.h"
#include "core/BasePath.h"
#include "core/HardwareFamilies.h"
#include "core/TextFormat.h"

namespace veldrix {

namespace {

constexpr std::uint32_t kMaxEcr = 0xFF;
constexpr std::size_t kEcrTextCapacity = 8;
// The font record's values for the picker's choice.
constexpr std::int32_t kNormalWeight = 400;
constexpr std::uint8_t kFixedPitchModern = 0x31;

std::uint32_t ColorSettings::*colorMember(EditorColor which) {
    switch (which) {
        case EditorColor::Hex:
            return &ColorSettings::hexcol;
        case EditorColor::Ascii:
            return &ColorSettings::asciicol;
        case EditorColor::Background:
            return &ColorSettings::nucol;
        case EditorColor::Highlight:
            return &ColorSettings::hlcol;
        case EditorColor::Address:
            break;
    }
    return &ColorSettings::adrcol;
}

}  // namespace

std::optional<std::uint8_t> parseEcrValue(const std::string& text) {
    const std::optional<std::uint32_t> value = parseWholeNumber(text);
    if (!value || *value > kMaxEcr) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*value);
}

SettingsEdit::SettingsEdit(Application& app)
    : app_(app),
      colors_(app.settings().settings().colors),
      font_(app.settings().settings().font),
      openingDriver_(app.settings().family().driver),
      openingPort_(app.portName()) {}

std::vector<std::string> SettingsEdit::portLabels() const {
    return app_.ports().labelsOfKinds(hardwareFamily(app_.familyIndex()).portmask);
}

std::size_t SettingsEdit::portRow() const {
    const std::vector<std::string> labels = portLabels();
    const auto found = std::find(labels.begin(), labels.end(), app_.portName());
    return found != labels.end() ? static_cast<std::size_t>(found - labels.begin()) : 0;
}

const std::string& SettingsEdit::driverName() const {
    return app_.settings().family().driver;
}

std::string SettingsEdit::ecrText() const {
    return formatLimited(kEcrTextCapacity, "0x%X", app_.settings().settings().main.ECR);
}

bool SettingsEdit::ntDriver() const {
    return app_.settings().settings().main.start_drv != 0;
}

bool SettingsEdit::sound() const {
    return app_.settings().settings().main.beep != 0;
}

const std::string& SettingsEdit::moduleRoot() const {
    return app_.settings().settings().main.all_module_dir;
}

const std::vector<std::string>& SettingsEdit::moduleNames() const {
    return app_.modules().moduleNames();
}

std::optional<std::size_t> SettingsEdit::savedModuleRow() const {
    const std::vector<std::string>& names = moduleNames();
    const auto found = std::find(names.begin(), names.end(), app_.modules().savedModule());
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

std::uint32_t SettingsEdit::color(EditorColor which) const {
    return colors_.*colorMember(which);
}

void SettingsEdit::setColor(EditorColor which, std::uint32_t color) {
    colors_.*colorMember(which) = color;
}

void SettingsEdit::chooseFont(const std::string& face, int pixelHeight) {
    std::string name = face;
    cutToFit(name, kFaceNameMax);
    font_.lfFaceName = std::move(name);
    font_.lfHeight = -std::max(pixelHeight, 1);
    font_.lfWidth = 0;
    font_.lfWeight = kNormalWeight;
    font_.lfItalic = 0;
    font_.lfUnderline = 0;
    font_.lfStrikeOut = 0;
    font_.lfPitchAndFamily = kFixedPitchModern;
}

std::filesystem::path SettingsEdit::driverChooserStart() const {
    const HardwareFamily& family = hardwareFamily(app_.familyIndex());
    return app_.baseDirectory() / defaultDriverPath(family.dir != nullptr ? family.dir : "");
}

void SettingsEdit::chooseDriverFile(const std::string& path) {
    app_.settings().family().driver = path;
    driverChosen_ = true;
    app_.rebindDriver();
}

std::filesystem::path SettingsEdit::moduleFolderStart(const std::string& rootText) const {
    return resolveFromBase(rootText, app_.baseDirectory());
}

std::string SettingsEdit::moduleRootText(const std::filesystem::path& folder) const {
    return settingFromBase(folder, app_.baseDirectory());
}

std::optional<RefusedSetting> SettingsEdit::accept(const SettingsEntries& entries) {
    const std::optional<std::uint8_t> ecr = parseEcrValue(entries.ecr);
    if (!ecr) {
        return RefusedSetting{formatLimited(
            kMessageTextCapacity,
            "ECR: \"%s\" is not a byte; it takes a number from 0 to 0xFF (53, 0x35, 35h or $35)",
            entries.ecr.c_str())};
    }
    ProgramSettings& stored = app_.settings().settings();
    stored.colors = colors_;
    stored.font = font_;
    if (driverChosen_ || *ecr != stored.main.ECR) {
        stored.main.ECR = *ecr;
        app_.rebindDriver();
    }
    stored.main.beep = entries.sound ? 1 : 0;
    stored.main.start_drv = entries.ntDriver ? 1 : 0;
    stored.main.all_module_dir = entries.moduleRoot;
    app_.modules().setModuleRoot(app_.moduleRoot());
    return std::nullopt;
}

void SettingsEdit::cancel() {
    app_.settings().family().driver = openingDriver_;
    app_.rebindDriver();
    if (app_.portName() != openingPort_) {
        app_.selectPort(openingPort_);
    }
}

}  // namespace veldrix
