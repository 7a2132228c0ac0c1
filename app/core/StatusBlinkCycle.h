#pragma once
// How a transient status message is shown: it blinks in the message pane
// (empty, shown, shown, empty, shown, shown, empty), with rising beeps when
// the user wants them, then stays for two seconds and goes. The pane, the
// beep and the waiting are injected so that every front end (and a test)
// can supply its own.

#include <chrono>
#include <functional>
#include <string>

namespace veldrix {

class StatusBlinkCycle {
public:
    using PaneSetter = std::function<void(const std::string& text)>;
    // Sounds a tone of `hertz` for `duration` and returns when it is over.
    using Beeper = std::function<void(unsigned hertz, std::chrono::milliseconds duration)>;
    using Sleeper = std::function<void(std::chrono::milliseconds duration)>;

    static constexpr int kSteps = 7;
    static constexpr int kBeepSteps = 4;  // steps 0..3 beep when beeping is on
    static constexpr unsigned kBeepStepHertz = 500;
    static constexpr std::chrono::milliseconds kBeepLength{30};
    static constexpr std::chrono::milliseconds kQuietStep{100};
    static constexpr std::chrono::milliseconds kStepGap{50};
    static constexpr std::chrono::milliseconds kHold{2000};

    // A null beeper waits as long as the beep would have lasted, so the
    // cycle's length does not depend on having a speaker.
    StatusBlinkCycle(PaneSetter pane, Beeper beeper, Sleeper sleeper);

    // Runs one whole cycle for `text` on the calling thread.
    void run(const std::string& text, bool beep) const;

private:
    PaneSetter pane_;
    Beeper beeper_;
    Sleeper sleeper_;
};

}  // namespace veldrix
