#pragma once
// The buffer loaded from and saved to the file named on the command line,
// with the program's messages for the file.

#include <string>

#include "CommandOutput.h"
#include "ExitCode.h"

namespace veldrix {
class Application;
}  // namespace veldrix

namespace veldrix::cli {

// A file shorter than the chip is loaded (the rest keeps the fill value);
// any other problem is a file error.
[[nodiscard]] ExitCode loadImageFile(Application& app, const std::string& file,
                                     CommandOutput& output);

[[nodiscard]] ExitCode saveImageFile(Application& app, const std::string& file,
                                     CommandOutput& output);

}  // namespace veldrix::cli
