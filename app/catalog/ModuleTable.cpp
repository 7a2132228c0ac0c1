#include "catalog/ModuleTable.h"

#include <algorithm>
#include <system_error>

#include "platform/DynamicLibrary.h"

namespace veldrix {

namespace {

// Module files of the directory, sorted by name so that every scan lists
// them in the same order whatever the file system returns.
std::vector<std::filesystem::path> moduleFiles(const std::filesystem::path& directory) {
    std::vector<std::filesystem::path> files;
    std::error_code error;
    std::filesystem::directory_iterator it(directory, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        const std::filesystem::path& path = it->path();
        std::error_code statError;
        if (path.extension() == ModuleTable::kModuleSuffix && it->is_regular_file(statError)) {
            files.push_back(path);
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::filesystem::path ModuleTable::modulePath(const std::filesystem::path& moduleRoot,
                                              std::string_view familyDir, std::string_view name) {
    std::string fileName(name);
    fileName += kModuleSuffix;
    return moduleRoot / std::filesystem::path(familyDir) / fileName;
}

void ModuleTable::scan(const std::filesystem::path& moduleRoot, std::string_view familyDir,
                       const std::string& entryName) {
    names_.clear();
    unsafe_.clear();
    const std::vector<std::filesystem::path> files =
        moduleFiles(moduleRoot / std::filesystem::path(familyDir));
    const std::size_t looked = std::min(files.size(), kMaxFilesLooked);
    for (std::size_t i = 0; i < looked && names_.size() < kMaxModules; ++i) {
        std::string name = files[i].stem().string();
        if (name.empty() || name.size() > kMaxNameLength) {
            continue;
        }
        const platform::DynamicLibrary library(files[i].string());
        if (library.failedProbe()) {
            unsafe_.push_back(std::move(name));
        } else if (library.loaded() && library.symbol(entryName.c_str()) != nullptr) {
            names_.push_back(std::move(name));
        }
    }
}

std::optional<std::size_t> ModuleTable::find(std::string_view name) const noexcept {
    for (std::size_t row = names_.size(); row > 0; --row) {
        if (names_[row - 1] == name) {
            return row - 1;
        }
    }
    return std::nullopt;
}

}  // namespace veldrix
