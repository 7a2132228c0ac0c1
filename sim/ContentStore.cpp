#include "ContentStore.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#include "ChipFactory.h"

namespace veldrix::sim {

namespace {

std::filesystem::path fromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::filesystem::path(value)
                                              : std::filesystem::path();
}

}  // namespace

std::filesystem::path contentDirectory() {
    if (auto own = fromEnvironment("VELDRIX_SIM_DIR"); !own.empty()) {
        return own;
    }
    if (auto data = fromEnvironment("XDG_DATA_HOME"); !data.empty()) {
        return data / "VELDRIX" / "sim";
    }
    if (auto home = fromEnvironment("HOME"); !home.empty()) {
        return home / ".local" / "share" / "VELDRIX" / "sim";
    }
    return {};
}

std::filesystem::path contentFile(ChipKind kind, std::uint32_t size) {
    const std::filesystem::path directory = contentDirectory();
    if (directory.empty()) {
        return {};
    }
    return directory / (std::string(kindName(kind)) + "-" + std::to_string(size) + ".bin");
}

std::optional<std::size_t> readInto(const std::filesystem::path& file,
                                    std::vector<std::uint8_t>& cells) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    in.read(reinterpret_cast<char*>(cells.data()), static_cast<std::streamsize>(cells.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(in.gcount());
}

bool writeContents(const std::filesystem::path& file, const std::vector<std::uint8_t>& cells) {
    if (file.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error) {
        return false;
    }
    std::filesystem::path partial = file;
    partial += ".new";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(cells.data()),
                  static_cast<std::streamsize>(cells.size()));
        if (!out.flush()) {
            return false;
        }
    }
    std::filesystem::rename(partial, file, error);
    return !error;
}

}  // namespace veldrix::sim
