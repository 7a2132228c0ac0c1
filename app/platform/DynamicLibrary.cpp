#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

#include <optional>
#include <utility>

#include "platform/FileStamp.h"
#include "platform/ProbeVerdictCache.h"

namespace veldrix::platform {

namespace {

// The loader searches its library path for a bare name; the file checked
// must be the file loaded.
std::string fromCurrentDirectory(const std::string& path) {
    return path.find('/') == std::string::npos ? "./" + path : path;
}

}  // namespace

DynamicLibrary::DynamicLibrary(const std::string& path) {
    // The loader takes an empty name for the program itself, which would
    // "load" successfully and answer lookups from the executable.
    if (path.empty()) {
        error_ = "no library path given";
        return;
    }
    const std::string file = fromCurrentDirectory(path);
    // Opening a FIFO or a device would block or act on it.
    const std::optional<FileStamp> stamp = regularFileStamp(file, error_);
    if (!stamp) {
        return;
    }
    const ProbeResult probe = processProbeCache().verdict(file, *stamp);
    if (!probe.survived()) {
        failedProbe_ = true;
        error_ = path + ": " + probe.reason();
        return;
    }
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        error_ = reason != nullptr ? reason : path + ": cannot load library";
    }
}

DynamicLibrary::~DynamicLibrary() {
    release();
}

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)),
      error_(std::move(other.error_)),
      failedProbe_(std::exchange(other.failedProbe_, false)) {
    other.error_.clear();
}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, nullptr);
        error_ = std::move(other.error_);
        failedProbe_ = std::exchange(other.failedProbe_, false);
        other.error_.clear();
    }
    return *this;
}

void* DynamicLibrary::symbol(const char* name) const noexcept {
    if (handle_ == nullptr || name == nullptr) {
        return nullptr;
    }
    return dlsym(handle_, name);
}

void DynamicLibrary::release() noexcept {
    if (handle_ != nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
    error_.clear();
    failedProbe_ = false;
}

}  // namespace veldrix::platform
