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

#include "buffer/DataBuffer.h"
#include "catalog/ModuleCatalog.h"
#include "catalog/ModuleSelection.h"
#include "core/CallbackTargets.h"
#include "core/DeviceOperations.h"
#include "core/DriverBinding.h"
#include "core/ModuleCaller.h"
#include "core/ProgressService.h"
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

class Application {
public:
    // The document name at start.
    static constexpr const char* kUntitled = "Untitled.bin";
    static constexpr const char* kPortNotFound = "Warning: last used PORT not found";

    // Relative driver paths and module roots are taken from `baseDirectory`
    // (where the program is installed), so the program works from any
    // current directory. `settings` should use the same base directory.
    Application(UserInterface& ui, SettingsStore settings, std::filesystem::path baseDirectory);
    // Runs the close sequence if start() ran and nothing closed it.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The screen the settings place the main window on. Without one (the
    // default) the stored place is kept as it is.
    void setScreenSize(ScreenSize screen) noexcept { screen_ = screen; }

    // The start-up sequence: stamp and fill the call block, check its
    // layout, read the settings, start the status thread, apply the
    // language, select the saved family. False when the layout check fails
    // (its message has been shown); nothing else stops the start.
    [[nodiscard]] bool start(const StartChoices& choices = {});

    // Writes the current family's section back (when one was read), reads
    // the section of `index`, rebinds its driver, chooses the last port and
    // restores the last module and chip without a window.
    void selectFamily(unsigned index);

    // Chooses the port labelled `label` among the ports of the family's
    // kinds; when there is none, warns and takes the first. True when found.
    bool selectPort(std::string_view label);

    void switchLanguage(Language language);

    // The close request: all settings written, the driver and module
    // unbound, the buffer freed, the catalogue released, the full clean-up.
    void close();
    // The Exit command: the settings written, then the same clean-up as
    // close(), so port permission is released on this path too.
    void exit();
    // Ends like close() but writes no settings, as a start that goes no
    // further does: a choice that could not be made is not remembered.
    void closeWithoutSaving();
    void fullCleanup();

    [[nodiscard]] bool started() const noexcept { return started_; }
    [[nodiscard]] bool closed() const noexcept { return closed_; }

    [[nodiscard]] dlldata& callBlock() noexcept { return block_; }
    [[nodiscard]] SettingsStore& settings() noexcept { return settings_; }
    [[nodiscard]] DataBuffer& buffer() noexcept { return buffer_; }
    [[nodiscard]] ModuleCatalog& catalog() noexcept { return catalog_; }
    [[nodiscard]] ModuleSelection& modules() noexcept { return modules_; }
    [[nodiscard]] DeviceOperations& operations() noexcept { return operations_; }
    [[nodiscard]] DriverBinding& driver() noexcept { return driver_; }
    [[nodiscard]] PortList& ports() noexcept { return ports_; }
    [[nodiscard]] StatusService& statusService() noexcept { return status_; }
    [[nodiscard]] ModuleCaller& moduleCaller() noexcept { return caller_; }
    [[nodiscard]] UserInterface& ui() noexcept { return ui_; }

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
    // Copies the accepted module and chip into the family record, so that
    // writing the section keeps them.
    void rememberSelection();
    void writeAllSettings();
    void shutDown();
    [[nodiscard]] std::filesystem::path fromBase(const std::string& path) const;

    UserInterface& ui_;
    SettingsStore settings_;
    std::filesystem::path baseDirectory_;
    std::filesystem::path startDirectory_;
    ScreenSize screen_{INT32_MAX, INT32_MAX};

    dlldata block_{};
    ProgressService progress_;
    StatusService status_;
    CallbackTargets targets_;
    DataBuffer buffer_;
    ModuleCaller caller_;
    ModuleCatalog catalog_;
    PortList ports_;
    PortPermission permission_;
    DriverBinding driver_;
    ModuleSelection modules_;
    DeviceOperations operations_;
    SimulatedSocket socket_;

    std::string portName_;
    std::string documentName_;
    bool started_ = false;
    bool closed_ = false;
};

}  // namespace veldrix
