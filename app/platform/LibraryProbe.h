#pragma once
// Loads a plug-in library in the helper process veldrix-probe first: a file
// whose loading brings a process down (a truncated file that faults while
// mapped, a constructor that faults) then brings down only the helper. A
// fault during loading cannot be caught in the program itself, as the
// loader holds its lock then.

#include <string>

namespace veldrix::platform {

struct ProbeResult {
    enum class Verdict {
        Survived,     // loaded, or refused by the loader without harm
        Died,         // a signal or an unexpected exit ended the helper
        Hung,         // the helper did not finish within kProbeSeconds
        Unavailable,  // the helper could not be run
    };
    Verdict verdict = Verdict::Unavailable;
    // The signal or the exit status with Died; the errno with Unavailable.
    int code = 0;
    bool signalled = false;

    [[nodiscard]] bool survived() const noexcept { return verdict == Verdict::Survived; }
    // Whether the verdict is about the file (and may be kept while it is
    // unchanged), not about the moment (a slow machine, a missing helper).
    [[nodiscard]] bool aboutTheFile() const noexcept {
        return verdict == Verdict::Survived || verdict == Verdict::Died;
    }
    // Why a library that did not survive is not loaded, after its path.
    [[nodiscard]] std::string reason() const;
};

inline constexpr int kProbeSeconds = 10;

// The helper: beside the running program, else where the build put it.
[[nodiscard]] const std::string& probeProgramPath();

// Runs the helper on `path` and tells how loading it went.
[[nodiscard]] ProbeResult probeLibrary(const std::string& path);

}  // namespace veldrix::platform
