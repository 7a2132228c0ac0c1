#pragma once
// The digest command: check sum, CRC32 and MD5 of an image.

#include <string>

#include "CommandOutput.h"
#include "ExitCode.h"

namespace veldrix {
class DataBuffer;
}

namespace veldrix::cli {

// The digests of a file on its own: an image of the file's length.
[[nodiscard]] ExitCode showFileDigests(const std::string& file, CommandOutput& output);

// One line per digest the image has, and the "digests" field of the result.
void showDigests(const DataBuffer& buffer, CommandOutput& output);

}  // namespace veldrix::cli
