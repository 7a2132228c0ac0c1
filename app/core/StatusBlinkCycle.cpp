#include "core/StatusBlinkCycle.h"

#include <utility>

namespace veldrix {

StatusBlinkCycle::StatusBlinkCycle(PaneSetter pane, Beeper beeper, Sleeper sleeper)
    : pane_(std::move(pane)), beeper_(std::move(beeper)), sleeper_(std::move(sleeper)) {}

void StatusBlinkCycle::run(const std::string& text, bool beep) const {
    static const std::string kEmpty;
    for (int i = 0; i < kSteps; ++i) {
        pane_(i % 3 == 0 ? kEmpty : text);
        if (i < kBeepSteps && beep) {
            // Step 0 asks for 0 Hz, which most systems play as silence.
            const unsigned hertz = static_cast<unsigned>(i) * kBeepStepHertz;
            if (beeper_) {
                beeper_(hertz, kBeepLength);
            } else {
                sleeper_(kBeepLength);
            }
        } else {
            sleeper_(kQuietStep);
        }
        sleeper_(kStepGap);
    }
    pane_(text);
    sleeper_(kHold);
    pane_(kEmpty);
}

}  // namespace veldrix
