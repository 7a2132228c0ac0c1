#include "core/SettingsSections.h"

namespace veldrix {

namespace {

const QString kGeneral = QStringLiteral("General");

// A file-backed QSettings keeps its top-level keys under [General] and writes
// a group of that name as [%General]; the section's values therefore live at
// the top level there, which the file shows as [General]. The registry has
// no such rule and gets a real "General" key.
bool generalIsTopLevel(const QSettings& settings) {
#ifdef Q_OS_WIN
    return settings.format() != QSettings::NativeFormat;
#else
    (void)settings;
    return true;
#endif
}

// Section and value name of a stored key; top-level keys belong to "General".
std::pair<QString, QString> splitKey(const QString& key) {
    const qsizetype slash = key.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
        return {kGeneral, key};
    }
    return {key.left(slash), key.mid(slash + 1)};
}

QString foldedPath(const QString& section, const QString& name) {
    return section.toCaseFolded() + QLatin1Char('/') + name.toCaseFolded();
}

}  // namespace

SettingsSections::SettingsSections(QSettings& settings) : settings_(settings) {
    for (const QString& key : settings_.allKeys()) {
        const auto [section, name] = splitKey(key);
        keysByFoldedPath_.insert(foldedPath(section, name), key);
    }
}

QString SettingsSections::keyOf(const QString& section, const QString& name) const {
    if (section == kGeneral && generalIsTopLevel(settings_)) {
        return name;
    }
    return section + QLatin1Char('/') + name;
}

QVariant SettingsSections::value(const QString& section, const QString& name) const {
    const QString canonical = keyOf(section, name);
    if (settings_.contains(canonical)) {
        return settings_.value(canonical);
    }
    const auto found = keysByFoldedPath_.constFind(foldedPath(section, name));
    return found == keysByFoldedPath_.constEnd() ? QVariant() : settings_.value(*found);
}

void SettingsSections::writeSection(const QString& section, const SettingsValues& values) {
    QHash<QString, QString> givenNames;  // case-folded -> spelling to write
    for (const auto& [name, value] : values) {
        givenNames.insert(name.toCaseFolded(), name);
    }
    const QString foldedSection = section.toCaseFolded();
    for (const QString& key : settings_.allKeys()) {
        const auto [keySection, keyName] = splitKey(key);
        if (keySection.toCaseFolded() != foldedSection) {
            continue;
        }
        const QString canonical = keyOf(section, givenNames.value(keyName.toCaseFolded(), keyName));
        if (key == canonical) {
            continue;
        }
        const QVariant stored = settings_.value(key);
        settings_.remove(key);
        if (!givenNames.contains(keyName.toCaseFolded()) && !settings_.contains(canonical)) {
            settings_.setValue(canonical, stored);
        }
    }
    for (const auto& [name, value] : values) {
        settings_.setValue(keyOf(section, name), value);
    }
}

}  // namespace veldrix
