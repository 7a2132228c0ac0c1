#pragma once
// The core's one way to reach the user. The GUI implements it with widgets,
// the command-line front end with the terminal, tests with a recorder.

#include <cstdint>
#include <string>

namespace veldrix {

// Status-bar panes, in their order on the bar.
enum class Pane { Message, Address, Chip, Size, Vcc, Vpp, Vid };

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // Blocking message box. The style's low four bits choose the buttons
    // (DD_MB_*); higher bits are accepted and ignored. Returns the DD_ID* of
    // the button pressed; a style that names no buttons gives a box that can
    // only be closed, which returns DD_IDCANCEL.
    virtual std::uint32_t messageBox(std::uint32_t style, const std::string& text) = 0;

    // A transient status message, already formatted and cut to fit. Comes
    // from the status thread, or from the thread that gave it when messages
    // are delivered at once: implementations take it on any thread.
    virtual void showStatusMessage(const std::string& text) = 0;

    // Sets one status-bar pane at once.
    virtual void setPaneText(Pane pane, const std::string& text) = 0;

    virtual void refreshTitle() = 0;

    // Around every module call: remember which window has the keyboard focus
    // and take it away from all windows, then give it back.
    virtual void takeFocus() = 0;
    virtual void giveFocusBack() = 0;

    // The progress window: opened modal over the main window with a bar of
    // 0..total, moved to a position with the percentage for its title, pumped
    // for events once per position update, and closed.
    virtual void openProgressWindow(std::int32_t total) = 0;
    virtual void moveProgressWindow(std::int32_t position, int percent) = 0;
    // Lets the user interface handle waiting events; true when the user asked
    // to cancel (Cancel button or Esc) during this pump, once per request.
    virtual bool pumpProgressEvents() = 0;
    virtual void closeProgressWindow() = 0;
};

}  // namespace veldrix
