#include "platform/RaisedThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace veldrix::platform {

namespace {

constexpr int kHighestNice = -20;

// The lowest nice value an unprivileged thread may take (RLIMIT_NICE counts
// from 20 down).
int lowestPermittedNice() noexcept {
    rlimit limit{};
    if (getrlimit(RLIMIT_NICE, &limit) != 0) {
        return 20;
    }
    if (limit.rlim_cur == RLIM_INFINITY) {
        return kHighestNice;
    }
    return 20 - static_cast<int>(std::min<rlim_t>(limit.rlim_cur, 40));
}

bool setNice(int thread, int nice) noexcept {
    return setpriority(PRIO_PROCESS, static_cast<id_t>(thread), nice) == 0;
}

}  // namespace

RaisedThreadPriority::RaisedThreadPriority() noexcept : thread_(static_cast<int>(gettid())) {
    errno = 0;
    previous_ = getpriority(PRIO_PROCESS, static_cast<id_t>(thread_));
    if (errno != 0) {
        return;
    }
    const int wanted = std::max(previous_ - kRaise, kHighestNice);
    if (wanted >= previous_) {
        return;
    }
    // A privileged process takes the full raise; others what RLIMIT_NICE allows.
    raised_ = setNice(thread_, wanted);
    if (!raised_) {
        const int permitted = std::max(wanted, lowestPermittedNice());
        raised_ = permitted < previous_ && setNice(thread_, permitted);
    }
}

RaisedThreadPriority::~RaisedThreadPriority() {
    if (raised_) {
        (void)setNice(thread_, previous_);
    }
}

}  // namespace veldrix::platform
