#pragma once
// The dialogs that main window commands open, plugged in as functions. A
// command whose dialog is not plugged in stays disabled.
//
// A dialog does all that concerns the engine: it edits the engine's records
// and takes the steps that follow on them (the family section written after
// the chip window, the voltage panes refreshed, the driver bound again, the
// buffer attached again after General, the buffer filled or xored). What
// follows for the main window's own widgets is the window's: command
// states, port bar, title, the status thread's copy of `beep`, the focus.

#include <functional>

class QWidget;

namespace veldrix {

class Application;
class CHexEditBase;

struct OptionDialogs {
    using Dialog = std::function<void(Application& app, QWidget* parent)>;
    // True when the editors' contents changed and they are to be refocused.
    using BufferDialog = std::function<bool(Application& app, QWidget* parent)>;

    // The chip selection window, modal, beside the main window.
    Dialog selectChip;
    // Advanced Options on the applied chip's write algorithms and keys.
    Dialog editConfigKeys;
    // The chip's voltages; nothing without a chip.
    Dialog editDeviceVoltages;
    // Driver, port, ECR, module folder, colours, font and sound; on OK the
    // colours and font go to both editors. True after OK.
    std::function<bool(Application& app, CHexEditBase& mainEditor, CHexEditBase& secondEditor,
                       QWidget* parent)>
        editSettings;
    // The write options and the split view.
    Dialog editGeneralOptions;
    // The value dialog, then the tool on the buffer.
    BufferDialog fillBuffer;
    BufferDialog xorBuffer;
};

}  // namespace veldrix
