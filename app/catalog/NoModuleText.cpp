#include "catalog/NoModuleText.h"

#include <system_error>

namespace veldrix {

std::string noModuleText(const std::filesystem::path& directory) {
    std::error_code error;
    const std::filesystem::directory_iterator listing(directory, error);
    if (error) {
        return "Can't read module folder (" + error.message() + "): " + directory.string();
    }
    return "No module in " + directory.string();
}

}  // namespace veldrix
