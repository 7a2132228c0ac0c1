#pragma once
// While an operation runs, the thread that drives the chip gets a higher
// scheduling priority, so that a competing process rarely preempts it inside
// a timed wait. Only the nice value changes: a real-time class would let the
// kernel throttle a thread that spins.

namespace veldrix::platform {

class RaisedThreadPriority {
public:
    // Raises the calling thread's priority as far as the system permits, up
    // to kRaise steps; without permission nothing changes.
    RaisedThreadPriority() noexcept;
    // Puts the thread's previous priority back.
    ~RaisedThreadPriority();
    RaisedThreadPriority(const RaisedThreadPriority&) = delete;
    RaisedThreadPriority& operator=(const RaisedThreadPriority&) = delete;

    static constexpr int kRaise = 10;

    [[nodiscard]] bool raised() const noexcept { return raised_; }

private:
    int thread_ = 0;
    int previous_ = 0;
    bool raised_ = false;
};

}  // namespace veldrix::platform
