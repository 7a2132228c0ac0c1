#pragma once
// Verdicts of the library probe, kept per path while the file keeps its
// stamp, so that scanning a module folder again costs no helper processes.
// Kept for the process's life only: a verdict written to disk would outlive
// a file replaced in place with the same size and time, and the helper costs
// little next to a program start.

#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>

#include "platform/FileStamp.h"
#include "platform/LibraryProbe.h"

namespace veldrix::platform {

class ProbeVerdictCache {
public:
    using Probe = std::function<ProbeResult(const std::string& path)>;

    explicit ProbeVerdictCache(Probe probe) : probe_(std::move(probe)) {}

    // The kept verdict when `stamp` is the one it was given for, else a new
    // probe's, kept when it is about the file.
    [[nodiscard]] ProbeResult verdict(const std::string& path, const FileStamp& stamp);

    void clear();

private:
    struct Entry {
        FileStamp stamp;
        ProbeResult result;
    };

    Probe probe_;
    std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
};

// The process's cache, probing with probeLibrary().
[[nodiscard]] ProbeVerdictCache& processProbeCache();

}  // namespace veldrix::platform
