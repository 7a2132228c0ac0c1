#include "catalog/LoadModuleConfig.h"

#include <fstream>
#include <new>
#include <optional>
#include <string>
#include <system_error>

#include "catalog/ModuleConfigReader.h"

namespace veldrix {

namespace fs = std::filesystem;

namespace {

// The whole file, or nothing when it cannot be read or is too large.
std::optional<std::string> readWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error || size > kMaxModuleConfigBytes) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad()) {
        return std::nullopt;
    }
    // The file may have shrunk since its size was taken.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace

fs::path ModuleConfigPath(const fs::path& moduleRoot, std::string_view familyDir,
                          std::string_view moduleName) {
    std::string fileName(moduleName);
    fileName += ".cfg";
    return moduleRoot / fs::path(familyDir) / fs::path(fileName);
}

bool LoadModuleConfig(ModuleCatalog& catalog, const fs::path& moduleRoot,
                      std::string_view familyDir, std::string_view moduleName,
                      const MessageSink& report) {
    catalog.clear();
    const fs::path path = ModuleConfigPath(moduleRoot, familyDir, moduleName);

    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        // Fails when the family directory itself is missing. Appending
        // leaves alone a file that someone created in the meantime.
        const std::ofstream created(path, std::ios::binary | std::ios::app);
        return created.is_open();
    }
    if (!fs::is_regular_file(status)) {
        return false;
    }
    try {
        const std::optional<std::string> bytes = readWholeFile(path);
        if (!bytes) {
            return false;
        }
        ParseModuleConfig(catalog, *bytes, report);
    } catch (const std::bad_alloc&) {
        catalog.clear();
        return false;
    }
    return true;
}

}  // namespace veldrix
