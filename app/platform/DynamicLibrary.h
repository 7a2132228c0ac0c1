#pragma once
// A shared library loaded by path and released when the owner goes.

#include <string>

namespace veldrix::platform {

class DynamicLibrary {
public:
    DynamicLibrary() = default;
    // Loads the library at path (RTLD_NOW | RTLD_LOCAL); a relative path with
    // a slash is taken from the current directory. Check loaded() after.
    explicit DynamicLibrary(const std::string& path);
    ~DynamicLibrary();
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    [[nodiscard]] bool loaded() const noexcept { return handle_ != nullptr; }
    // The platform handle, stored in the call block's hmodule.
    [[nodiscard]] void* handle() const noexcept { return handle_; }
    // The loader's reason when loading failed, empty otherwise.
    [[nodiscard]] const std::string& error() const noexcept { return error_; }

    // Address of an exported function or object, nullptr when absent.
    [[nodiscard]] void* symbol(const char* name) const noexcept;
    template <class T>
    [[nodiscard]] T function(const char* name) const noexcept {
        return reinterpret_cast<T>(symbol(name));
    }
    template <class T>
    [[nodiscard]] T* data(const char* name) const noexcept {
        return static_cast<T*>(symbol(name));
    }

    // Unloads now; the object is then empty.
    void release() noexcept;

private:
    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace veldrix::platform
