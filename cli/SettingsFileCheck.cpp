#include "SettingsFileCheck.h"

#include <QSettings>
#include <QString>
#include <filesystem>
#include <system_error>

namespace veldrix::cli {

std::optional<std::string> settingsFileProblem(const std::string& path) {
    const std::filesystem::path file(path);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (!std::filesystem::exists(status)) {
        const std::filesystem::path folder = std::filesystem::absolute(file, error).parent_path();
        if (!std::filesystem::is_directory(folder, error)) {
            return "no folder " + folder.string() + " for the settings file";
        }
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        return "the settings file '" + path + "' is not a regular file";
    }
    // Reading only: nothing is written unless a value is set.
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    (void)settings.allKeys();
    if (settings.status() != QSettings::NoError) {
        return "'" + path + "' cannot be read as a settings (INI) file; fix or remove it";
    }
    return std::nullopt;
}

}  // namespace veldrix::cli
