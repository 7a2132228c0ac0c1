#include "catalog/ModuleSelection.h"

#include <QCoreApplication>

#include "catalog/CallBlockStatus.h"
#include "catalog/ChipTexts.h"
#include "catalog/LoadModuleConfig.h"
#include "catalog/NoModuleText.h"

namespace veldrix {

namespace {

// The two module failures follow the user's language.
std::string translated(const char* text) {
    return QCoreApplication::translate("ModuleSelection", text).toStdString();
}

}  // namespace

ModuleSelection::ModuleSelection(dlldata& block, ModuleCaller& caller, ModuleCatalog& catalog,
                                 UserInterface& ui)
    : block_(block), caller_(caller), catalog_(catalog), ui_(ui), keys_(block, catalog) {}

ModuleSelection::~ModuleSelection() {
    releaseModule();
}

const char* ModuleSelection::familyDir() const noexcept {
    return family_ != nullptr && family_->dir != nullptr ? family_->dir : "";
}

const char* ModuleSelection::familyEntry() const noexcept {
    return family_ != nullptr && family_->entry != nullptr ? family_->entry : "";
}

void ModuleSelection::setSaved(std::string module, std::string chip) {
    savedModule_ = std::move(module);
    savedChip_ = std::move(chip);
}

int ModuleSelection::enumerateModules() {
    table_.clear();
    if (family_ != nullptr) {
        table_.scan(moduleRoot_, familyDir(), familyEntry());
    }
    for (const std::string& name : table_.unsafe()) {
        postStatus(block_, std::string(kCantLoadModule) + " " + name);
    }
    const std::size_t row = table_.find(currentModule_).value_or(0);
    // A saved module that is gone gives way to the first one, silently.
    currentModule_ = row < table_.size() ? table_.names()[row] : std::string();
    if (windowOpen_ && !table_.empty()) {
        chooseModuleRow(row);
    }
    return static_cast<int>(row);
}

void ModuleSelection::readCatalog() {
    keys_.setCurrentChip(0);
    if (currentModule_.empty()) {
        // No module: nothing to read, and no file named ".cfg" to create.
        catalog_.clear();
        return;
    }
    (void)LoadModuleConfig(catalog_, moduleRoot_, familyDir(), currentModule_, statusSink(block_));
}

void ModuleSelection::selectCurrentChipRow() {
    // The window's list keeps the last chip of the name, the walk without a
    // window stops at the first.
    chipRow_ = 0;
    for (std::size_t number = 1; number <= catalog_.chipCount(); ++number) {
        if (catalog_.chip(number)->name == currentChip_) {
            chipRow_ = number - 1;
            if (!windowOpen_) {
                break;
            }
        }
    }
}

void ModuleSelection::selectModule(std::optional<std::size_t> moduleRow) {
    if (moduleRow && *moduleRow < table_.size()) {
        moduleRow_ = *moduleRow;
        currentModule_ = table_.names()[*moduleRow];
    }
    readCatalog();
    selectCurrentChipRow();
    showChipInfo();
    loadModule();
    keys_.SetDefAlg();
    keys_.ApplyAlgorithm();
}

void ModuleSelection::showChipInfo() {
    chipInfo_.clear();
    const ChipDescription* chip = catalog_.chip(chipRow_ + 1);
    if (chip == nullptr) {
        keys_.setCurrentChip(0);
        return;
    }
    keys_.setCurrentChip(chipRow_ + 1);
    currentChip_ = std::string(chip->name.view());
    chipInfo_ = veldrix::chipInfoLines(*chip);
}

void ModuleSelection::releaseModule() noexcept {
    caller_.setEntry(nullptr);
    library_.release();
    block_.hmodule = nullptr;
    // Both point into the module just unloaded.
    block_.keys = nullptr;
    block_.about = nullptr;
}

void ModuleSelection::loadModule() {
    releaseModule();
    if (!currentModule_.empty()) {
        library_ = platform::DynamicLibrary(
            ModuleTable::modulePath(moduleRoot_, familyDir(), currentModule_).string());
    }
    dd_entry_fn entry = nullptr;
    if (currentModule_.empty()) {
        // The scan listed nothing: a name to show there is none.
        postStatus(block_, noModuleText(moduleRoot_ / std::filesystem::path(familyDir())));
    } else if (!library_.loaded()) {
        postStatus(block_, translated(kCantLoadModule) + " " + currentModule_);
    } else {
        entry = library_.function<dd_entry_fn>(familyEntry());
        if (entry == nullptr) {
            postStatus(block_, translated(kWrongModule));
        }
    }
    caller_.setEntry(entry);
    caller_.identifyAndSelect(library_.handle());
}

void ModuleSelection::applyChip() {
    const ChipDescription* chip = keys_.currentChip();
    if (chip != nullptr) {
        applied_ = *chip;
        block_.size = applied_->size;
        block_.bits = applied_->width;
        block_.vcc = applied_->vcc != 0 ? applied_->vcc : 50;
        block_.vpp = applied_->vpp;
        block_.vid = applied_->vid;
        block_.wralg = applied_->alguse[0];
        block_.mfr = applied_->mfr.c_str();
    } else {
        applied_.reset();
        block_.size = 0;
        block_.eeplen = 0;
        block_.mfr = kUnknownMaker;
        block_.bits = 8;
        block_.vcc = 0;
        block_.vpp = 0;
        block_.vid = 0;
        savedChip_.clear();
    }
    // The pane names the chip that is applied, also when a saved name that
    // no longer exists gave way to the first chip.
    ui_.setPaneText(Pane::Chip, applied_ ? std::string(applied_->name.view()) : savedChip_);
    ui_.setPaneText(Pane::Size, sizePaneText(block_.size, block_.bits));
    caller_.selectChip();
    // The keys follow the applied chip's algorithm, as the module may now
    // have confirmed or adjusted it.
    keys_.ApplyAlgorithm();
    // Also after Cancel: applying the chip again sets its own voltages, and
    // panes still showing ones chosen in Device options would name voltages
    // the next operation does not use.
    showVoltagePanes();
    if (chipAppliedHook_) {
        chipAppliedHook_();
    }
}

void ModuleSelection::showVoltagePanes() {
    ui_.setPaneText(Pane::Vcc, voltagePaneText("Vcc", block_.vcc));
    ui_.setPaneText(Pane::Vpp, voltagePaneText("Vpp", block_.vpp));
    ui_.setPaneText(Pane::Vid, voltagePaneText("Vid", block_.vid));
}

void ModuleSelection::runWithoutWindow() {
    if (windowOpen_) {
        closingCleanup();
    }
    currentModule_ = savedModule_;
    currentChip_ = savedChip_;
    enumerateModules();
    accepted_ = true;
    selectModule(std::nullopt);
    applyChip();
    savedModule_ = currentModule_;
    savedChip_ = currentChip_;
    closingCleanup();
}

bool ModuleSelection::chipListShown() const noexcept {
    // The window's chip list is filled only by a module list selection; with
    // no module listed it stays empty, whatever catalogue was read before.
    return !windowOpen_ || moduleRow_.has_value();
}

std::vector<std::string> ModuleSelection::chipNames() const {
    std::vector<std::string> names;
    if (!chipListShown()) {
        return names;
    }
    names.reserve(catalog_.chipCount());
    for (std::size_t number = 1; number <= catalog_.chipCount(); ++number) {
        names.emplace_back(catalog_.chip(number)->name.view());
    }
    return names;
}

void ModuleSelection::openWindow() {
    if (windowOpen_) {
        cancel();
        return;
    }
    currentModule_ = savedModule_;
    currentChip_ = savedChip_;
    moduleRow_.reset();
    chipInfo_.clear();
    windowOpen_ = true;
    enumerateModules();
}

void ModuleSelection::chooseModuleRow(std::size_t row) {
    if (windowOpen_ && row < table_.size()) {
        selectModule(row);
    }
}

void ModuleSelection::chooseChipRow(std::size_t row) {
    if (windowOpen_ && chipListShown() && row < catalog_.chipCount()) {
        chipRow_ = row;
        showChipInfo();
    }
}

void ModuleSelection::accept() {
    if (!windowOpen_) {
        return;
    }
    savedModule_ = currentModule_;
    savedChip_ = currentChip_;
    accepted_ = true;
    selectModule(std::nullopt);
    applyChip();
    closingCleanup();
}

void ModuleSelection::acceptChipRow(std::size_t row) {
    chooseChipRow(row);
    accept();
}

void ModuleSelection::cancel() {
    if (!windowOpen_) {
        return;
    }
    accepted_ = false;
    currentModule_ = savedModule_;
    currentChip_ = savedChip_;
    selectModule(std::nullopt);
    applyChip();
    closingCleanup();
}

void ModuleSelection::closeWindow() {
    cancel();
}

void ModuleSelection::closingCleanup() {
    windowOpen_ = false;
    moduleRow_.reset();
    currentModule_.clear();
    currentChip_.clear();
}

}  // namespace veldrix
