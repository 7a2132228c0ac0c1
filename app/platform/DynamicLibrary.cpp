#include "platform/DynamicLibrary.h"

#include <dlfcn.h>

#include <utility>

namespace veldrix::platform {

DynamicLibrary::DynamicLibrary(const std::string& path) {
    // The loader takes an empty name for the program itself, which would
    // "load" successfully and answer lookups from the executable.
    if (path.empty()) {
        error_ = "no library path given";
        return;
    }
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        error_ = reason != nullptr ? reason : path + ": cannot load library";
    }
}

DynamicLibrary::~DynamicLibrary() {
    release();
}

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {
    other.error_.clear();
}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, nullptr);
        error_ = std::move(other.error_);
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
}

}  // namespace veldrix::platform
