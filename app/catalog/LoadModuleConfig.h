#pragma once
// Reads the configuration file of a module into the catalogue.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "catalog/ModuleCatalog.h"
#include "catalog/ParseNumber.h"

namespace veldrix {

// Larger files are taken as unreadable: a real one is a few kilobytes.
inline constexpr std::uintmax_t kMaxModuleConfigBytes = 64u * 1024 * 1024;

// "<moduleRoot>/<familyDir>/<moduleName>.cfg"
[[nodiscard]] std::filesystem::path ModuleConfigPath(const std::filesystem::path& moduleRoot,
                                                     std::string_view familyDir,
                                                     std::string_view moduleName);

// Empties the catalogue (the default algorithm stays), then reads the
// module's file into it. A missing file is created empty, which leaves the
// module without chips. Returns false, with the catalogue empty, when the
// file can be neither read nor created, is no regular file, or is too large.
// `report` is told why a module gets no chips from its file (created empty
// included) and receives the reader's messages.
[[nodiscard]] bool LoadModuleConfig(ModuleCatalog& catalog, const std::filesystem::path& moduleRoot,
                                    std::string_view familyDir, std::string_view moduleName,
                                    const MessageSink& report = {});

}  // namespace veldrix
