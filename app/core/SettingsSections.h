#pragma once
// The sections and values of a QSettings store addressed as in the registry:
// names match without regard to case on reading, and writing a section leaves
// one canonical spelling of it and of its values.

#include <QHash>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace veldrix {

using SettingsValues = std::vector<std::pair<QString, QVariant>>;

class SettingsSections {
public:
    // Indexes the keys stored at this moment; value() does not see keys that
    // are added later by other objects.
    explicit SettingsSections(QSettings& settings);

    // The value of `name` in `section`, invalid when absent. The canonical
    // spelling wins over others that differ only in case.
    [[nodiscard]] QVariant value(const QString& section, const QString& name) const;

    // Stores `values` in `section` under exactly the spellings given. Other
    // spellings of these values are removed; other values of the section
    // stored under another spelling of its name move to the canonical one.
    void writeSection(const QString& section, const SettingsValues& values);

private:
    [[nodiscard]] QString keyOf(const QString& section, const QString& name) const;

    QSettings& settings_;
    // Case-folded "section/name" -> key as stored.
    QHash<QString, QString> keysByFoldedPath_;
};

}  // namespace veldrix
