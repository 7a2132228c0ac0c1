#pragma once
// One link of the hex editor's keyboard handling. The editor offers each key
// press to its controllers in turn until one takes it.

class QKeyEvent;

namespace veldrix {

class CHexEditBase;

class HexKeyController {
public:
    explicit HexKeyController(CHexEditBase& editor) : editor_(editor) {}
    virtual ~HexKeyController() = default;
    HexKeyController(const HexKeyController&) = delete;
    HexKeyController& operator=(const HexKeyController&) = delete;

    // True when the key was this controller's; false passes it on.
    [[nodiscard]] virtual bool handleKey(const QKeyEvent& event) = 0;

protected:
    CHexEditBase& editor_;
};

}  // namespace veldrix
