#pragma once
// The INI file named by --settings is rewritten as a whole when the settings
// are written: a file that is no settings file must not be taken for one.

#include <optional>
#include <string>

namespace veldrix::cli {

// Why `path` cannot hold the settings (it is a directory or a device, its
// folder is missing, or it exists but cannot be read as an INI file); empty
// when it can. A missing file in an existing folder is fine: it is created.
[[nodiscard]] std::optional<std::string> settingsFileProblem(const std::string& path);

}  // namespace veldrix::cli
