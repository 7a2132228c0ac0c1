#pragma once
// A fresh directory under the system's temporary directory, removed with its
// contents when the object goes.

#include <filesystem>
#include <string>

namespace veldrix::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    // path() / name as a string.
    [[nodiscard]] std::string file(const std::string& name) const;
    // Writes `bytes` to path() / name (creating folders on the way); returns the full path.
    std::string write(const std::string& name, const std::string& bytes) const;
    // The whole content of a file, empty when it cannot be read.
    [[nodiscard]] static std::string read(const std::string& fullPath);

private:
    std::filesystem::path path_;
};

}  // namespace veldrix::test
