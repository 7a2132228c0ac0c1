#include "platform/LibraryProbe.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/ChildProcess.h"
#include "platform/ProbeProtocol.h"

namespace veldrix::platform {

namespace {

constexpr const char* kProbeProgramName = "veldrix-probe";

bool isExecutable(const std::filesystem::path& path) {
    return access(path.c_str(), X_OK) == 0;
}

std::string findProbeProgram() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path beside = self.parent_path() / kProbeProgramName;
        if (isExecutable(beside)) {
            return beside.string();
        }
    }
    // Test and benchmark programs live below the build root, not beside it.
    return VELDRIX_PROBE_BUILD_PATH;
}

ProbeResult resultOf(const ChildExit& exit) {
    switch (exit.kind) {
        case ChildExit::Kind::Exited:
            if (exit.code == VELDRIX_PROBE_LOADED || exit.code == VELDRIX_PROBE_REFUSED) {
                return {ProbeResult::Verdict::Survived, exit.code, false};
            }
            if (exit.code == VELDRIX_PROBE_USAGE) {
                return {ProbeResult::Verdict::Unavailable, 0, false};
            }
            return {ProbeResult::Verdict::Died, exit.code, false};
        case ChildExit::Kind::Signalled:
            return {ProbeResult::Verdict::Died, exit.code, true};
        case ChildExit::Kind::TimedOut:
            return {ProbeResult::Verdict::Hung, 0, false};
        case ChildExit::Kind::NotStarted:
            break;
    }
    return {ProbeResult::Verdict::Unavailable, exit.code, false};
}

}  // namespace

std::string ProbeResult::reason() const {
    switch (verdict) {
        case Verdict::Survived:
            return {};
        case Verdict::Died:
            if (signalled) {
                return "loading it ended a process with signal " + std::to_string(code) + " (" +
                       strsignal(code) + ")";
            }
            return "loading it ended a process with status " + std::to_string(code);
        case Verdict::Hung:
            return "loading it did not finish within " + std::to_string(kProbeSeconds) + " s";
        case Verdict::Unavailable:
            break;
    }
    return "the library check " + probeProgramPath() + " could not run" +
           (code != 0 ? std::string(": ") + std::strerror(code) : std::string());
}

const std::string& probeProgramPath() {
    static const std::string path = findProbeProgram();
    return path;
}

ProbeResult probeLibrary(const std::string& path) {
    return resultOf(
        runChildProcess(probeProgramPath(), {path}, std::chrono::seconds(kProbeSeconds)));
}

}  // namespace veldrix::platform
