#pragma once
// Runs a helper program to its end, isolated from the caller: no standard
// streams, its own process group (a Ctrl-C at the terminal is not for it),
// default signal handling, and a time limit.

#include <chrono>
#include <string>
#include <vector>

namespace veldrix::platform {

struct ChildExit {
    enum class Kind {
        Exited,      // `code` is its exit status
        Signalled,   // `code` is the signal that ended it
        TimedOut,    // killed when the time limit passed
        NotStarted,  // `code` is the errno of posix_spawn
    };
    Kind kind = Kind::NotStarted;
    int code = 0;
};

// Starts `program` with `arguments` (argv[1] on) through posix_spawn, which,
// unlike fork, is safe in a process with threads, and waits for it.
[[nodiscard]] ChildExit runChildProcess(const std::string& program,
                                        const std::vector<std::string>& arguments,
                                        std::chrono::milliseconds limit);

}  // namespace veldrix::platform
