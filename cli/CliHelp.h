#pragma once
// The text of `veldrix-cli --help`.

#include <string>

namespace veldrix::cli {

[[nodiscard]] std::string helpText();

// "veldrix-cli <version>"
[[nodiscard]] std::string versionText();

}  // namespace veldrix::cli
