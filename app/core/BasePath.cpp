#include "core/BasePath.h"

namespace veldrix {

namespace {

// Without "." and "..", and without a trailing separator, which would
// otherwise count as an empty last component.
std::filesystem::path normalised(const std::filesystem::path& path) {
    std::filesystem::path result = path.lexically_normal();
    if (!result.has_filename() && result.has_relative_path()) {
        result = result.parent_path();
    }
    return result;
}

bool leavesBase(const std::filesystem::path& relative) {
    return relative.empty() || *relative.begin() == "..";
}

}  // namespace

std::filesystem::path resolveFromBase(const std::string& setting,
                                      const std::filesystem::path& base) {
    const std::filesystem::path given(setting);
    return given.is_relative() ? base / given : given;
}

std::string settingFromBase(const std::filesystem::path& chosen,
                            const std::filesystem::path& base) {
    const std::filesystem::path path = normalised(chosen);
    if (!base.empty() && path.is_absolute()) {
        const std::filesystem::path relative = path.lexically_relative(normalised(base));
        if (!leavesBase(relative)) {
            return relative.string();
        }
    }
    return path.string();
}

}  // namespace veldrix
