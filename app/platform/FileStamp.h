#pragma once
// What identifies the contents of a file without reading it: the same path
// with the same stamp is taken to hold the same bytes.

#include <cstdint>
#include <optional>
#include <string>

namespace veldrix::platform {

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file at `path` (links followed). Anything else (no
// file, a directory, a FIFO, a device) gives nullopt and the reason in
// `problem`, without opening it.
[[nodiscard]] std::optional<FileStamp> regularFileStamp(const std::string& path,
                                                        std::string& problem);

}  // namespace veldrix::platform
