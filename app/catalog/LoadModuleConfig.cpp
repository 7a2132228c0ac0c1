#include "catalog/LoadModuleConfig.h"

#include <cerrno>
#include <fstream>
#include <new>
#include <optional>
#include <string>
#include <system_error>

#include "catalog/ModuleConfigReader.h"

namespace veldrix {

namespace fs = std::filesystem;

namespace {

// The reason the last failed open gave, in the system's words.
std::string openFailure() {
    return errno != 0 ? std::generic_category().message(errno) : "unknown error";
}

// The whole file; nothing, with the reason reported, when it cannot be read
// or is too large.
std::optional<std::string> readWholeFile(const fs::path& path, const std::string& name,
                                         const MessageSink& report) {
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        report("Can't read " + name + ": " + openFailure());
        return std::nullopt;
    }
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error) {
        report("Can't read " + name + ": " + error.message());
        return std::nullopt;
    }
    if (size > kMaxModuleConfigBytes) {
        report(name + " is too large for a module file");
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (in.bad()) {
        report("Can't read " + name + ": read error");
        return std::nullopt;
    }
    // The file may have shrunk since its size was taken.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Fails when the family directory itself is missing. Appending leaves alone
// a file that someone created in the meantime.
bool createEmpty(const fs::path& path, const std::string& name, const MessageSink& report) {
    errno = 0;
    const std::ofstream created(path, std::ios::binary | std::ios::app);
    if (!created.is_open()) {
        report("Can't create " + name + ": " + openFailure());
        return false;
    }
    report(name + " was missing: made empty, no chips");
    return true;
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
    // The family directory is the one of the module just chosen: the file's
    // own name says which one is meant.
    const std::string name = path.filename().string();
    const MessageSink tell = report ? report : [](const std::string&) {};

    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found) {
        return createEmpty(path, name, tell);
    }
    if (error) {
        tell("Can't read " + name + ": " + error.message());
        return false;
    }
    if (!fs::is_regular_file(status)) {
        tell(name + " is not a regular file");
        return false;
    }
    try {
        const std::optional<std::string> bytes = readWholeFile(path, name, tell);
        if (!bytes) {
            return false;
        }
        ParseModuleConfig(catalog, *bytes, report);
    } catch (const std::bad_alloc&) {
        catalog.clear();
        tell("Can't read " + name + ": out of memory");
        return false;
    }
    return true;
}

}  // namespace veldrix
