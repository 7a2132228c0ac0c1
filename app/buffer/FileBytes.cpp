#include "buffer/FileBytes.h"

#include <algorithm>
#include <cerrno>

namespace veldrix {

namespace {

constexpr std::size_t kStep = 1 << 20;

}  // namespace

void readFileBytes(std::FILE* file, FileBytes& read, std::uint64_t limit) {
    errno = 0;
    while (!read.ended && !read.failed && read.bytes.size() < limit) {
        const std::size_t held = read.bytes.size();
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kStep, limit - held));
        read.bytes.resize(held + wanted);
        const std::size_t got = std::fread(read.bytes.data() + held, 1, wanted, file);
        read.bytes.resize(held + got);
        if (got == wanted) {
            continue;
        }
        if (std::ferror(file) != 0) {
            read.failed = true;
            // A failure that left errno unset still needs a nonzero code to show.
            read.errorCode = errno != 0 ? errno : EIO;
        } else {
            read.ended = true;
        }
    }
}

}  // namespace veldrix
