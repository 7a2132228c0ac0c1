#pragma once
// Makes a chip family module current and one of its chips the applied chip:
// the module scan, the chip list and information box, loading the module,
// copying the chip into the call block and the status panes. Also the state
// of the chip selection window (lists, OK, Cancel, closing) without the
// widgets, and the selection without a window that restores the saved
// module and chip.

#include <QtGlobal>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalog/AlgorithmKeys.h"
#include "catalog/ChipDescription.h"
#include "catalog/ModuleCatalog.h"
#include "catalog/ModuleTable.h"
#include "core/ModuleCaller.h"
#include "core/UserInterface.h"
#include "dlldata.h"
#include "platform/DynamicLibrary.h"

namespace veldrix {

class ModuleSelection {
public:
    // Status texts in the user-interface language (context "ModuleSelection").
    static constexpr const char* kCantLoadModule =
        QT_TRANSLATE_NOOP("ModuleSelection", "Can't load module: ");
    static constexpr const char* kWrongModule =
        QT_TRANSLATE_NOOP("ModuleSelection", "Wrong module");
    // The call block's manufacturer text without an applied chip.
    static constexpr const char* kUnknownMaker = "Unknown";

    ModuleSelection(dlldata& block, ModuleCaller& caller, ModuleCatalog& catalog,
                    UserInterface& ui);
    ~ModuleSelection();
    ModuleSelection(const ModuleSelection&) = delete;
    ModuleSelection& operator=(const ModuleSelection&) = delete;

    void setModuleRoot(std::filesystem::path root) { moduleRoot_ = std::move(root); }
    // The family's directory and entry name are read from the row at each
    // use; the row must outlive this object.
    void setFamily(const HardwareFamily& family) noexcept { family_ = &family; }

    // Scans the family's module directory. The current module name becomes
    // the listed one of that name, else the first module. With the window
    // open, selects that row as the user would. Returns its row.
    int enumerateModules();
    // Makes a module current: with a row, the module of that row; with
    // nullopt, the current module name. Reads its configuration file, finds
    // the current chip in it, shows it, loads the module and resolves keys.
    void selectModule(std::optional<std::size_t> moduleRow);
    // The chip of the selected row becomes the current chip.
    void showChipInfo();
    // Loads the current module file and runs its identify and select calls.
    void loadModule();
    // Copies the current chip into the call block and the panes and runs
    // the module's select call.
    void applyChip();
    void showVoltagePanes();
    // Unloads the module; the call block keeps no reference into it.
    void releaseModule() noexcept;
    // Restores the saved module and chip without a window.
    void runWithoutWindow();

    // The selection window. Opening while it is open closes it as Cancel
    // does and opens nothing.
    void openWindow();
    [[nodiscard]] bool windowOpen() const noexcept { return windowOpen_; }
    [[nodiscard]] const std::vector<std::string>& moduleNames() const noexcept {
        return table_.names();
    }
    [[nodiscard]] std::vector<std::string> chipNames() const;
    [[nodiscard]] const std::vector<std::string>& chipInfoLines() const noexcept {
        return chipInfo_;
    }
    [[nodiscard]] std::optional<std::size_t> selectedModuleRow() const noexcept {
        return moduleRow_;
    }
    [[nodiscard]] std::size_t selectedChipRow() const noexcept { return chipRow_; }
    // Selection changes of the two lists; rows outside a list are ignored.
    void chooseModuleRow(std::size_t row);
    void chooseChipRow(std::size_t row);
    // OK, or a double click in the chip list (which selects the row first).
    void accept();
    void acceptChipRow(std::size_t row);
    void cancel();
    // The title bar's close acts as Cancel: only closing the window would
    // leave the module looked at last loaded while the call block keeps the
    // chip applied before, and the next operation would drive that chip with
    // the other module's protocol and voltages.
    void closeWindow();

    [[nodiscard]] bool accepted() const noexcept { return accepted_; }
    [[nodiscard]] const std::string& currentModule() const noexcept { return currentModule_; }
    [[nodiscard]] const std::string& currentChip() const noexcept { return currentChip_; }
    [[nodiscard]] const std::string& savedModule() const noexcept { return savedModule_; }
    [[nodiscard]] const std::string& savedChip() const noexcept { return savedChip_; }
    void setSaved(std::string module, std::string chip);

    // The chip last copied into the call block; null when none. A copy, so
    // it stays valid when the catalogue is read again.
    [[nodiscard]] const ChipDescription* appliedChip() const noexcept {
        return applied_ ? &*applied_ : nullptr;
    }
    [[nodiscard]] AlgorithmKeys& algorithmKeys() noexcept { return keys_; }
    [[nodiscard]] bool moduleLoaded() const noexcept { return library_.loaded(); }

    // Runs at the end of every applyChip (buffers, simulated socket, the
    // main window's chip state).
    void setChipAppliedHook(std::function<void()> hook) { chipAppliedHook_ = std::move(hook); }

private:
    [[nodiscard]] const char* familyDir() const noexcept;
    [[nodiscard]] const char* familyEntry() const noexcept;
    [[nodiscard]] bool chipListShown() const noexcept;
    void readCatalog();
    void selectCurrentChipRow();
    void closingCleanup();

    dlldata& block_;
    ModuleCaller& caller_;
    ModuleCatalog& catalog_;
    UserInterface& ui_;
    AlgorithmKeys keys_;
    ModuleTable table_;
    std::filesystem::path moduleRoot_;
    const HardwareFamily* family_ = nullptr;
    platform::DynamicLibrary library_;

    std::string currentModule_;
    std::string currentChip_;
    std::string savedModule_;
    std::string savedChip_;
    std::optional<std::size_t> moduleRow_;
    std::size_t chipRow_ = 0;
    std::vector<std::string> chipInfo_;
    std::optional<ChipDescription> applied_;
    bool accepted_ = false;
    bool windowOpen_ = false;
    std::function<void()> chipAppliedHook_;
};

}  // namespace veldrix
