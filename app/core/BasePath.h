#pragma once
// Path settings (module root, driver file) and the files they name. A
// relative setting is taken from the program's base (install) directory, so
// one inside it is kept relative and survives moving the installation.

#include <filesystem>
#include <string>

namespace veldrix {

// What a path setting names: relative ones under `base`.
[[nodiscard]] std::filesystem::path resolveFromBase(const std::string& setting,
                                                    const std::filesystem::path& base);

// The setting for a chosen path: relative to `base` when the path lies
// inside it, compared whole component by component ("/x/application" is not
// inside "/x/app"), else the full path.
[[nodiscard]] std::string settingFromBase(const std::filesystem::path& chosen,
                                          const std::filesystem::path& base);

}  // namespace veldrix
