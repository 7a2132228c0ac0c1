#include "platform/ProbeVerdictCache.h"

namespace veldrix::platform {

ProbeResult ProbeVerdictCache::verdict(const std::string& path, const FileStamp& stamp) {
    {
        const std::lock_guard lock(mutex_);
        const auto kept = entries_.find(path);
        if (kept != entries_.end() && kept->second.stamp == stamp) {
            return kept->second.result;
        }
    }
    // Probed unlocked: a probe takes milliseconds and may time out.
    const ProbeResult result = probe_(path);
    const std::lock_guard lock(mutex_);
    if (result.aboutTheFile()) {
        entries_.insert_or_assign(path, Entry{stamp, result});
    } else {
        entries_.erase(path);
    }
    return result;
}

void ProbeVerdictCache::clear() {
    const std::lock_guard lock(mutex_);
    entries_.clear();
}

ProbeVerdictCache& processProbeCache() {
    static ProbeVerdictCache cache(&probeLibrary);
    return cache;
}

}  // namespace veldrix::platform
