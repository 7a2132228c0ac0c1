#include "core/SettingsStore.h"

#include <QSettings>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>

#include "core/SettingsRecordIo.h"
#include "core/SettingsSections.h"

namespace veldrix {

namespace {

const QString kGeneralSection = QStringLiteral("General");
const QString kMainSection = QStringLiteral("Main");
const QString kColorsSection = QStringLiteral("Colors");
const QString kFontSection = QStringLiteral("Font");
const QString kPositionSection = QStringLiteral("Position");

QString familySection(const std::string& dir) {
    return QStringLiteral("Hardware/") + QString::fromStdString(dir);
}

// Cuts `text` to at most `maxBytes` without splitting a UTF-8 sequence.
std::string keepWholeCharacters(std::string text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    text.resize(cut);
    return text;
}

// Brings a main window whose centre is off the screen (more than 100 pixels
// left of it, right of it or below it) to a third of the screen. In 64 bits,
// since the stored values can be anything.
void placeMainWindow(PositionSettings& position, ScreenSize screen) {
    const std::int64_t centreX = std::int64_t{position.X} + position.W / 2;
    const std::int64_t centreY = std::int64_t{position.Y} + position.H / 2;
    if (centreX + 100 < 0 || centreX >= screen.width || centreY >= screen.height) {
        position.X = screen.width / 3;
        position.Y = screen.height / 3;
    }
}

bool isDirectory(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

// Exists and is not a directory; a file the loader may still refuse counts.
bool namesExistingFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

}  // namespace

std::string defaultDriverPath(std::string_view dir) {
    return "Hardware/" + std::string(dir) + ".so";
}

std::string settingsWriteFailureText(const SettingsWriteFailure& failure) {
    return "Settings not saved: cannot write " + failure.location;
}

SettingsStore SettingsStore::openUserStore(std::filesystem::path baseDirectory) {
    return SettingsStore(
        std::make_unique<QSettings>(QStringLiteral("Quenby Labs"), QStringLiteral("VELDRIX")),
        std::move(baseDirectory));
}

SettingsStore SettingsStore::openFile(const QString& iniPath, std::filesystem::path baseDirectory) {
    return SettingsStore(std::make_unique<QSettings>(iniPath, QSettings::IniFormat),
                         std::move(baseDirectory));
}

SettingsStore::SettingsStore(std::unique_ptr<QSettings> backing,
                             std::filesystem::path baseDirectory)
    : backing_(std::move(backing)), baseDirectory_(std::move(baseDirectory)) {
    // Only the user's own store counts, as with the registry's current-user hive.
    backing_->setFallbacksEnabled(false);
}

SettingsStore::SettingsStore(SettingsStore&&) noexcept = default;
SettingsStore& SettingsStore::operator=(SettingsStore&&) noexcept = default;
SettingsStore::~SettingsStore() = default;

int SettingsStore::run(int mode, ScreenSize screen, const HardwareFamily* family,
                       std::string_view selectedPort) {
    switch (mode) {
        case kReadGeneral:
            readGeneral(screen);
            break;
        case kReadFamily:
            readFamily(family != nullptr ? *family : HardwareFamily{});
            break;
        case kWriteGeneral:
            writeGeneral();
            break;
        case kWriteFamily:
            writeFamily(selectedPort);
            break;
        case kWriteAll:
            writeGeneral();
            writeFamily(selectedPort);
            break;
        default:
            break;
    }
    return 0;
}

std::filesystem::path SettingsStore::resolve(const std::string& path) const {
    return baseDirectory_.empty() ? std::filesystem::path(path) : baseDirectory_ / path;
}

bool SettingsStore::holdsFamilyChoice() const {
    backing_->sync();
    return SettingsSections(*backing_).value(kGeneralSection, QStringLiteral("hardware")).isValid();
}

void SettingsStore::readGeneral(ScreenSize screen) {
    backing_->sync();  // takes in changes made to the file since the last access
    const SettingsSections sections(*backing_);
    ProgramSettings read;
    readRecord(sections, kGeneralSection, read.general);
    readRecord(sections, kMainSection, read.main);
    readRecord(sections, kColorsSection, read.colors);
    readRecord(sections, kFontSection, read.font);
    readRecord(sections, kPositionSection, read.position);

    read.general.hardware &= 3u;
    read.font.lfFaceName = keepWholeCharacters(std::move(read.font.lfFaceName), kFaceNameMax);
    placeMainWindow(read.position, screen);

    std::string& root = read.main.all_module_dir;
    if (root.size() > 1 && (root.back() == '\\' || root.back() == '/')) {
        root.pop_back();
    }
    if (root.empty() || !isDirectory(resolve(root))) {
        root = kDefaultModuleRoot;
    }
    settings_ = std::move(read);
}

void SettingsStore::writeGeneral() {
    SettingsSections sections(*backing_);
    writeRecord(sections, kGeneralSection, settings_.general);
    writeRecord(sections, kMainSection, settings_.main);
    writeRecord(sections, kColorsSection, settings_.colors);
    writeRecord(sections, kFontSection, settings_.font);
    writeRecord(sections, kPositionSection, settings_.position);
    commitWrites();
}

void SettingsStore::readFamily(const HardwareFamily& family) {
    family_ = FamilySettings{};
    familyDir_ = family.dir != nullptr ? family.dir : "";
    if (!familyDir_.empty()) {
        backing_->sync();
        const SettingsSections sections(*backing_);
        readRecord(sections, familySection(familyDir_), family_);
        if (!namesExistingFile(resolve(family_.driver))) {
            family_.driver = defaultDriverPath(familyDir_);
        }
    }
    familySectionRead_ = true;
}

void SettingsStore::writeFamily(std::string_view selectedPort) {
    if (!familySectionRead_ || familyDir_.empty()) {
        return;
    }
    FamilySettings written = family_;
    written.port = selectedPort;
    SettingsSections sections(*backing_);
    writeRecord(sections, familySection(familyDir_), written);
    commitWrites();
}

void SettingsStore::saveProgressPosition(std::int32_t x, std::int32_t y) {
    // Every operation closes a progress window, mostly where it opened;
    // writing the store each time would cost the operation a file sync.
    if (x == settings_.position.PX && y == settings_.position.PY) {
        return;
    }
    settings_.position.PX = x;
    settings_.position.PY = y;
    SettingsSections sections(*backing_);
    sections.writeSection(kPositionSection, {{QStringLiteral("PX"), QVariant(x)},
                                             {QStringLiteral("PY"), QVariant(y)}});
    commitWrites();
}

void SettingsStore::commitWrites() {
    backing_->sync();
    // The status keeps the first problem met: a file that could not be
    // parsed stays a format error even once it has been rewritten, so only
    // an access error tells a write that failed.
    if (backing_->status() == QSettings::AccessError && !writeFailure_) {
        writeFailure_ = SettingsWriteFailure{backing_->fileName().toStdString()};
    }
}

}  // namespace veldrix
