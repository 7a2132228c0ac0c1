#pragma once
// The buffer loaded from and saved to the file named on the command line,
// with the program's messages for the file.

#include <optional>
#include <string>

#include "CommandOutput.h"
#include "ExitCode.h"
#include "buffer/ImageFormat.h"

namespace veldrix {
class Application;
}  // namespace veldrix

namespace veldrix::cli {

// Loads `file` in `format`, or in the format its content shows. A raw file
// shorter than the chip is loaded (the rest keeps the fill value); any other
// problem is a file error, and a record file that does not read leaves the
// buffer as it was.
[[nodiscard]] ExitCode loadImageFile(Application& app, const std::string& file,
                                     std::optional<ImageFormat> format, CommandOutput& output);

// Saves the buffer to `file` in `format`, or in the format of its extension.
[[nodiscard]] ExitCode saveImageFile(Application& app, const std::string& file,
                                     std::optional<ImageFormat> format, CommandOutput& output);

}  // namespace veldrix::cli
