#pragma once
// The digest command: check sum, CRC32 and MD5 of an image.

#include <optional>
#include <string>

#include "CommandOutput.h"
#include "ExitCode.h"
#include "buffer/ImageFormat.h"

namespace veldrix {
class DataBuffer;
}

namespace veldrix::cli {

// The digests of a file on its own, read in `format` or in the format its
// content shows: a raw file's bytes, or a record file's image from address
// 0 to the last byte its records give (see ReadFileImage).
[[nodiscard]] ExitCode showFileDigests(const std::string& file, std::optional<ImageFormat> format,
                                       CommandOutput& output);

// One line per digest the image has, and the "digests" field of the result.
void showDigests(const DataBuffer& buffer, CommandOutput& output);

}  // namespace veldrix::cli
