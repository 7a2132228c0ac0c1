#pragma once
// A shared library loaded by path and released when the owner goes. Plug-in
// files are untrusted: only a regular file that the library probe loaded
// without harm is loaded into the program.

#include <string>

namespace veldrix::platform {

class DynamicLibrary {
public:
    DynamicLibrary() = default;
    // Loads the library at path (RTLD_NOW | RTLD_LOCAL); a relative path is
    // taken from the current directory. Check loaded() after.
    explicit DynamicLibrary(const std::string& path);
    ~DynamicLibrary();
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    [[nodiscard]] bool loaded() const noexcept { return handle_ != nullptr; }
    // The platform handle, stored in the call block's hmodule.
    [[nodiscard]] void* handle() const noexcept { return handle_; }
    // Why loading failed (the loader's reason, or the file's), empty otherwise.
    [[nodiscard]] const std::string& error() const noexcept { return error_; }
    // Loading failed because loading the file would have harmed the program
    // (or could not be tried safely), not merely because it is no library.
    [[nodiscard]] bool failedProbe() const noexcept { return failedProbe_; }

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
    bool failedProbe_ = false;
};

}  // namespace veldrix::platform
