#include "platform/FileStamp.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace veldrix::platform {

std::optional<FileStamp> regularFileStamp(const std::string& path, std::string& problem) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) {
        problem = path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        problem = path + ": not a regular file";
        return std::nullopt;
    }
    problem.clear();
    return FileStamp{
        .device = static_cast<std::uint64_t>(status.st_dev),
        .inode = static_cast<std::uint64_t>(status.st_ino),
        .size = static_cast<std::uint64_t>(status.st_size),
        .modifiedNanoseconds = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                               status.st_mtim.tv_nsec,
    };
}

}  // namespace veldrix::platform
