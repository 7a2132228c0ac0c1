#pragma once
// What the user is told when the module scan listed nothing: the name of a
// module to load would be empty, so the folder and what is wrong with it are
// named instead.

#include <filesystem>
#include <string>

namespace veldrix {

// "Can't read module folder (<reason>): <directory>" when the family's
// module directory cannot be listed (missing, not a directory, no
// permission); "No module in <directory>" when it holds none.
[[nodiscard]] std::string noModuleText(const std::filesystem::path& directory);

}  // namespace veldrix
