#pragma once
// The program without its windows: owns the module call block and every
// engine part, prepares them in the start-up order, restores the user's
// hardware family, driver, port, module and chip, switches family and
// language while running, and tears everything down at the end. The GUI
// and veldrix-cli put their user interface in front of it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "buffer/BufferFiles.h"
#include "buffer/DataBuffer.h"
#include "buffer/EditHistory.h"
#include "catalog/AdvancedOptions.h"
#include "catalog/ModuleCatalog.h"
#include "catalog/ModuleSelection.h"
#include "core/BoardSelfTest.h"
#include "core/CallbackTargets.h"
#include "core/ChipComparison.h"
#include "core/DeviceOperations.h"
#include "core/DriverBinding.h"
#include "core/ModuleCaller.h"
#include "core/ProgressService.h"
#include "core/ReadVerification.h"
#include "core/SelectionRestore.h"
#include "core/SettingsStore.h"
#include "core/SimulatedSocket.h"
#include "core/StatusService.h"
#include "core/UserInterface.h"
#include "dlldata.h"
#include "ports/PortList.h"
#include "ports/PortPermission.h"

namespace veldrix {

// Choices that replace the stored ones for the first family selection and
// are then remembered like choices made in the program (front ends with a
// command line). Unset ones keep the stored value.
struct StartChoices {
    std::optional<unsigned> family;  // hardware family index
    std::optional<std::string> moduleRoot;
    std::optional<std::string> driver;
    std::optional<std::string> port;
    std::optional<std::string> module;
    std::optional<std::string> chip;
};

// How status messages reach the user interface.
enum class StatusDelivery {
    // One pending message, shown by the status thread; a message given while
    // one waits is dropped (the GUI's blinking status line).
    PendingSlot,
    // Every message at once, on the thread that gives it, in order (a terminal).
    Immediate,
};

class Application {
public:
    // The document name at start.
    static constexpr const char* kUntitled = "Untitled.bin";
    static constexpr const char* kPortNotFound = "Warning: last used PORT not found";

    // Relative driver paths and module roots are taken from `baseDirectory`
    // (where the program is installed), so the program works from any
    // current directory. `settings` should use the same base directory.
    Application(UserInterface& ui, SettingsStore settings, std::filesystem::path baseDirectory,
                StatusDelivery statusDelivery = StatusDelivery::PendingSlot);
    // Runs the close sequence if start() ran and nothing closed it.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The screen the settings place the main window on. Without one (the
    // default) the stored place is kept as it is.
    void setScreenSize(ScreenSize screen) noexcept { screen_ = screen; }

    // The start-up sequence in two steps, so that a front end can make its
    // window between them with the place the settings give:
    // prepare() stamps and fills the call block, checks its layout, reads
    // the settings, starts the status thread and applies the language; false
    // when the layout check fails (its message has been shown). restore()
    // then selects the saved family, or the one the choices name, with its
    // driver, port, module and chip; it does nothing unless prepare() succeeded.
    [[nodiscard]] bool prepare();
    void restore(const StartChoices& choices = {});
    // prepare(), then restore() when it succeeded.
    [[nodiscard]] bool start(const StartChoices& choices = {});

    // Writes the current family's section back (when one was read), reads
    // the section of `index`, rebinds its driver, chooses the last port and
    // restores the last module and chip without a window.
    void selectFamily(unsigned index);

    // Chooses the port labelled `label` among the ports of the family's
    // kinds; when there is none, warns and takes the first. True when found.
    bool selectPort(std::string_view label);

    // The family's driver file changed (or its ECR): binds it with the
    // family, the ECR setting and start_drv, then chooses the current port again.
    void rebindDriver();
    // Lists the system's ports anew without rebinding, then chooses the
    // current port again.
    void refreshPorts();
    // The chip selection window has closed: the accepted module and chip go
    // into the family section, which is written (settings mode 5).
    void chipSelectionClosed();

    void switchLanguage(Language language);
    void setDocumentName(std::string name) { documentName_ = std::move(name); }

    // Loads the buffer from `path` (in `format`, else in the format its
    // content shows) and shows the program's messages for it; the path
    // becomes the document name when the file was loaded. Loads can be undone.
    FileLoadResult openBufferFile(const std::string& path,
                                  std::optional<ImageFormat> format = std::nullopt);
    // Saves the buffer to `path` (in `format`, else in the format of its
    // extension) and shows the program's messages for it; the path becomes
    // the document name when the file was made.
    FileSaveResult saveBufferFile(const std::string& path,
                                  std::optional<ImageFormat> format = std::nullopt);
    // The same for a block of the image (Open Block, Save Block), always
    // raw; the document name stays.
    FileLoadResult openBufferBlock(const std::string& path, std::uint32_t offset,
                                   std::uint32_t length);
    FileSaveResult saveBufferBlock(const std::string& path, std::uint32_t offset,
                                   std::uint32_t length);

    // A write of the settings that did not reach the store, once: the first
    // call after one failed returns it, every later call nothing, so that
    // the window tells the user once per run.
    [[nodiscard]] std::optional<SettingsWriteFailure> takeSettingsWriteFailure();

    // A device operation as the user runs it: what it writes into the image
    // (a chip Read) can be undone.
    const OperationOutcome& runOperation(Command command);

    // Read with verification: see verifyRead().
    ReadVerification verifyRead(unsigned reads, std::size_t maxListed);
    // The chip read aside and compared with the buffer (the compare report
    // after a Compare that found differences): see compareChipWithBuffer().
    ChipComparison compareChipWithBuffer(std::size_t maxListed);
    // The board self-test on the bound driver and the chosen port; refused
    // (SelfTestStart::Busy) while a module call holds the board.
    BoardSelfTestReport testBoard();

    // The Advanced Options dialog's model on the applied chip's keys.
    [[nodiscard]] AdvancedOptions advancedOptions();

    // A module call is running: front ends refuse commands meanwhile.
    [[nodiscard]] bool busy() const noexcept { return caller_.busy(); }

    // Shows the status message still pending at once and stops the status
    // thread (a front end about to end).
    void finishStatusMessages();

    // The close request: all settings written, the driver and module
    // unbound, the buffer freed, the catalogue released, the full clean-up.
    void close();
    // The Exit command: the settings written, then the same clean-up as
    // close(), so port permission is released on this path too.
    void exit();
    // Ends like close() but writes no settings, as a start that goes no
    // further does: a choice that could not be made is not remembered.
    void closeWithoutSaving();
    // Ends like close(), but the family section keeps naming the port,
    // module and chip asked for at the last family selection, also where
    // others stood in for them: a front end that would not work on a
    // stand-in must not make it the remembered choice either.
    void closeKeepingAskedSelection();
    void fullCleanup();

    [[nodiscard]] bool started() const noexcept { return started_; }
    [[nodiscard]] bool closed() const noexcept { return closed_; }

    // The call block, writable for instrumentation (benchmarks wrap callbacks).
    [[nodiscard]] dlldata& callBlock() noexcept { return block_; }
    [[nodiscard]] const dlldata& callBlock() const noexcept { return block_; }
    // The settings records the dialogs edit.
    [[nodiscard]] SettingsStore& settings() noexcept { return settings_; }
    [[nodiscard]] const SettingsStore& settings() const noexcept { return settings_; }
    // The image the editors show and edit.
    [[nodiscard]] DataBuffer& buffer() noexcept { return buffer_; }
    [[nodiscard]] const DataBuffer& buffer() const noexcept { return buffer_; }
    // Undo and redo of the user's changes of the image.
    [[nodiscard]] EditHistory& history() noexcept { return history_; }
    [[nodiscard]] const EditHistory& history() const noexcept { return history_; }
    // The chip selection window's model.
    [[nodiscard]] ModuleSelection& modules() noexcept { return modules_; }
    [[nodiscard]] const ModuleSelection& modules() const noexcept { return modules_; }
    // The device operations run from menus and buttons.
    [[nodiscard]] DeviceOperations& operations() noexcept { return operations_; }
    [[nodiscard]] const DeviceOperations& operations() const noexcept { return operations_; }
    [[nodiscard]] const ModuleCatalog& catalog() const noexcept { return catalog_; }
    [[nodiscard]] const DriverBinding& driver() const noexcept { return driver_; }
    [[nodiscard]] const PortList& ports() const noexcept { return ports_; }
    [[nodiscard]] const StatusService& statusService() const noexcept { return status_; }
    // The status thread's service, whose sleeper a front end's blink cycle uses.
    [[nodiscard]] StatusService& statusService() noexcept { return status_; }

    // The port, module and chip the last family selection was asked to
    // restore, and those it took.
    [[nodiscard]] const SelectionRestore& restoredSelection() const noexcept { return restored_; }

    [[nodiscard]] unsigned familyIndex() const noexcept { return block_.hwindex; }
    [[nodiscard]] const std::string& portName() const noexcept { return portName_; }
    [[nodiscard]] const std::string& documentName() const noexcept { return documentName_; }
    [[nodiscard]] const std::filesystem::path& startDirectory() const noexcept {
        return startDirectory_;
    }
    [[nodiscard]] const std::filesystem::path& baseDirectory() const noexcept {
        return baseDirectory_;
    }
    // The module root as the program uses it: the setting, taken from the
    // base directory when relative.
    [[nodiscard]] std::filesystem::path moduleRoot() const;
    // The family's driver file as the program loads it.
    [[nodiscard]] std::filesystem::path driverPath() const;

private:
    void selectFamily(unsigned index, const StartChoices& choices);
    void bindFamilyDriver(HardwareFamily& family);
    // Copies the accepted module and chip into the family record, so that
    // writing the section keeps them.
    void rememberSelection();
    // Every section, the family's naming this port, module and chip.
    void writeAllSettings(const std::string& port, const std::string& module,
                          const std::string& chip);
    // Shows a file command's messages and takes the path as the document name
    // when the command says so.
    void concludeFileCommand(const FileCommandResult& result, const std::string& path);
    void shutDown();

    UserInterface& ui_;
    SettingsStore settings_;
    std::filesystem::path baseDirectory_;
    std::filesystem::path startDirectory_;
    ScreenSize screen_{INT32_MAX, INT32_MAX};
    StatusDelivery statusDelivery_;

    dlldata block_{};
    ProgressService progress_;
    StatusService status_;
    CallbackTargets targets_;
    DataBuffer buffer_;
    EditHistory history_;
    ModuleCaller caller_;
    ModuleCatalog catalog_;
    PortList ports_;
    PortPermission permission_;
    DriverBinding driver_;
    ModuleSelection modules_;
    DeviceOperations operations_;
    SimulatedSocket socket_;

    std::string portName_;
    SelectionRestore restored_;
    std::string documentName_;
    bool started_ = false;
    bool closed_ = false;
    bool settingsWriteFailureTaken_ = false;
};

}  // namespace veldrix
