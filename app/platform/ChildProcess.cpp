#include "platform/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cerrno>

extern char** environ;

namespace veldrix::platform {

namespace {

// Owns the attributes and file actions of one posix_spawn call.
class SpawnSetup {
public:
    SpawnSetup() noexcept {
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_init(&actions_);
        sigset_t none;
        sigemptyset(&none);
        sigset_t all;
        sigfillset(&all);
        sigdelset(&all, SIGKILL);
        sigdelset(&all, SIGSTOP);
        posix_spawnattr_setsigmask(&attributes_, &none);
        posix_spawnattr_setsigdefault(&attributes_, &all);
        posix_spawnattr_setpgroup(&attributes_, 0);
        posix_spawnattr_setflags(
            &attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
        for (int stream = 0; stream <= 2; ++stream) {
            posix_spawn_file_actions_addopen(&actions_, stream, "/dev/null",
                                             stream == 0 ? O_RDONLY : O_WRONLY, 0);
        }
    }
    ~SpawnSetup() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;

    const posix_spawnattr_t* attributes() const noexcept { return &attributes_; }
    const posix_spawn_file_actions_t* actions() const noexcept { return &actions_; }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
};

ChildExit exitOf(int status) noexcept {
    if (WIFSIGNALED(status)) {
        return {ChildExit::Kind::Signalled, WTERMSIG(status)};
    }
    return {ChildExit::Kind::Exited, WEXITSTATUS(status)};
}

void pause(std::chrono::microseconds length) noexcept {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(length);
    const timespec span{static_cast<time_t>(seconds.count()),
                        static_cast<long>((length - seconds).count() * 1000)};
    nanosleep(&span, nullptr);
}

// Polls, so that no SIGCHLD handler of the program is needed or disturbed;
// the pauses grow from 20 us, as most helpers are done within milliseconds.
ChildExit waitFor(pid_t child, std::chrono::milliseconds limit) noexcept {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::chrono::microseconds pauseLength{20};
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) {
            return exitOf(status);
        }
        if (done < 0 && errno != EINTR) {
            return {ChildExit::Kind::NotStarted, errno};
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(child, SIGKILL);
            while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
            }
            return {ChildExit::Kind::TimedOut, 0};
        }
        pause(pauseLength);
        pauseLength = std::min(pauseLength * 2, std::chrono::microseconds{2000});
    }
}

}  // namespace

ChildExit runChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                          std::chrono::milliseconds limit) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const SpawnSetup setup;
    pid_t child = 0;
    const int error = posix_spawn(&child, program.c_str(), setup.actions(), setup.attributes(),
                                  argv.data(), environ);
    if (error != 0) {
        return {ChildExit::Kind::NotStarted, error};
    }
    return waitFor(child, limit);
}

}  // namespace veldrix::platform
