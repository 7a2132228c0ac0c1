#pragma once
// The chip family modules of one hardware family: the module files of its
// directory that export the family's entry function.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veldrix {

class ModuleTable {
public:
    static constexpr std::size_t kMaxModules = 50;
    // Module files looked at in one scan, listed or not.
    static constexpr std::size_t kMaxFilesLooked = 256;
    // Longer module names do not fit a table slot; such files are skipped.
    static constexpr std::size_t kMaxNameLength = 19;
    static constexpr std::string_view kModuleSuffix = ".so";

    // "<moduleRoot>/<familyDir>/<name>.so"
    [[nodiscard]] static std::filesystem::path modulePath(const std::filesystem::path& moduleRoot,
                                                          std::string_view familyDir,
                                                          std::string_view name);

    // Replaces the table with the modules of "<moduleRoot>/<familyDir>/*.so"
    // that export `entryName`, in file-name order. Each candidate is loaded
    // and released again.
    void scan(const std::filesystem::path& moduleRoot, std::string_view familyDir,
              const std::string& entryName);
    void clear() noexcept {
        names_.clear();
        unsafe_.clear();
    }

    [[nodiscard]] const std::vector<std::string>& names() const noexcept { return names_; }
    [[nodiscard]] std::size_t size() const noexcept { return names_.size(); }
    [[nodiscard]] bool empty() const noexcept { return names_.empty(); }
    // Module files of the last scan that were skipped because loading them
    // would harm the program (see DynamicLibrary::failedProbe).
    [[nodiscard]] const std::vector<std::string>& unsafe() const noexcept { return unsafe_; }

    // Row of the last entry named exactly `name` (with case); nullopt when none.
    [[nodiscard]] std::optional<std::size_t> find(std::string_view name) const noexcept;

private:
    std::vector<std::string> names_;
    std::vector<std::string> unsafe_;
};

}  // namespace veldrix
