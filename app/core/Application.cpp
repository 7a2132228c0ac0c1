#include "core/Application.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "catalog/CallBlockStatus.h"
#include "core/BasePath.h"
#include "core/CallBlock.h"
#include "core/HardwareFamilies.h"

namespace veldrix {

Application::Application(UserInterface& ui, SettingsStore settings,
                         std::filesystem::path baseDirectory, StatusDelivery statusDelivery)
    : ui_(ui),
      settings_(std::move(settings)),
      baseDirectory_(std::move(baseDirectory)),
      statusDelivery_(statusDelivery),
      progress_(block_, ui),
      status_(ui),
      buffer_(block_),
      history_(buffer_, [this](const std::string& text) { postStatus(block_, ui_, text); }),
      caller_(block_, ui, progress_),
      driver_(block_, ui, targets_, ports_, permission_, [] { return scanSystemDevices(); }),
      modules_(block_, caller_, catalog_, ui),
      operations_(block_, caller_, ui, buffer_, settings_.settings().general),
      socket_(driver_, ports_) {
    targets_.ui = &ui_;
    targets_.progress = &progress_;
    targets_.buffer = &buffer_;
    // Without the status service the callbacks hand every message to the
    // user interface at once.
    targets_.status = statusDelivery_ == StatusDelivery::PendingSlot ? &status_ : nullptr;
    caller_.watchDriverFaults(&targets_.driverFaults);
    caller_.setPortAddressSource([this] { return ports_.current().address; });
    ports_.setTitleRefresh([this] { ui_.refreshTitle(); });
    driver_.setModuleReleaser([this] { modules_.releaseModule(); });
    // A confirmed chip gets a fresh image of its size; a cancelled selection
    // applies the chip that was there again and keeps the image the user
    // loaded or edited. Either way the chip goes into the simulated socket
    // when the SIM port is chosen, so the board holds the chip the modules expect.
    modules_.setChipAppliedHook([this] {
        if (modules_.accepted()) {
            buffer_.SetBuffers();
        }
        socket_.follow(modules_.currentModule(), block_.size);
    });
}

Application::~Application() {
    if (started_ && !closed_) {
        close();
    }
}

bool Application::prepare() {
    stampCallBlock(block_);
    std::error_code error;
    startDirectory_ = std::filesystem::current_path(error);
    ports_.clear();
    fillCallBlockCallbacks(block_, targets_);
    if (const auto problem = checkBlankLayout(block_)) {
        ui_.messageBox(DD_MB_OK, *problem);
        return false;
    }
    started_ = true;

    settings_.readGeneral(screen_);
    const ProgramSettings& stored = settings_.settings();
    buffer_.setSplitView(stored.general.EepSplit != 0);
    if (statusDelivery_ == StatusDelivery::PendingSlot) {
        status_.start();
    }
    switchLanguage(stored.main.language);
    documentName_ = kUntitled;
    return true;
}

void Application::restore(const StartChoices& choices) {
    if (!started_ || closed_) {
        return;
    }
    ProgramSettings& stored = settings_.settings();
    if (choices.family) {
        stored.general.hardware = *choices.family & 3u;
    }
    if (choices.moduleRoot) {
        stored.main.all_module_dir = *choices.moduleRoot;
    }
    selectFamily(stored.general.hardware, choices);
}

bool Application::start(const StartChoices& choices) {
    if (!prepare()) {
        return false;
    }
    restore(choices);
    return true;
}

void Application::selectFamily(unsigned index) {
    selectFamily(index, StartChoices{});
}

void Application::selectFamily(unsigned index, const StartChoices& choices) {
    index &= 3u;
    if (settings_.familySectionRead()) {
        rememberSelection();
        settings_.writeFamily(portName_);
    }
    HardwareFamily& family = hardwareFamily(index);
    settings_.settings().general.hardware = index;
    block_.hwindex = static_cast<std::uint8_t>(index);
    block_.hardware = &family;

    // Reading a family section starts from an empty catalogue and no copy.
    catalog_.clear();
    buffer_.releasePage();
    settings_.readFamily(family);
    FamilySettings& section = settings_.family();
    if (choices.driver) {
        section.driver = *choices.driver;
    }
    if (choices.port) {
        section.port = *choices.port;
    }
    if (choices.module) {
        section.lastmodule = *choices.module;
    }
    if (choices.chip) {
        section.lastchip = *choices.chip;
    }

    driver_.unbind();
    bindFamilyDriver(family);

    selectPort(section.port);

    modules_.setFamily(family);
    modules_.setModuleRoot(moduleRoot());
    modules_.setSaved(section.lastmodule, section.lastchip);
    modules_.runWithoutWindow();
    restored_ = SelectionRestore{{section.port, portName_},
                                 {section.lastmodule, modules_.savedModule()},
                                 {section.lastchip, modules_.savedChip()}};
    rememberSelection();

    ui_.refreshTitle();
}

bool Application::selectPort(std::string_view label) {
    HardwareFamily& family = hardwareFamily(block_.hwindex);
    const std::vector<std::string> labels = ports_.labelsOfKinds(family.portmask);
    const bool found = std::find(labels.begin(), labels.end(), label) != labels.end();
    std::string chosen(label);
    if (!found) {
        block_.status("%s", kPortNotFound);
        chosen = labels.empty() ? std::string() : labels.front();
    }
    driver_.selectPort(chosen, family);
    portName_ = ports_.current().label;
    socket_.follow(modules_.savedModule(), block_.size);
    return found;
}

void Application::bindFamilyDriver(HardwareFamily& family) {
    MainSettings& main = settings_.settings().main;
    (void)driver_.bind(driverPath().string(), family, main.ECR, main.start_drv);
}

void Application::rebindDriver() {
    bindFamilyDriver(hardwareFamily(block_.hwindex));
    selectPort(portName_);
}

void Application::refreshPorts() {
    driver_.enumeratePorts(hardwareFamily(block_.hwindex).portmask);
    selectPort(portName_);
}

void Application::chipSelectionClosed() {
    rememberSelection();
    settings_.writeFamily(portName_);
}

FileLoadResult Application::openBufferFile(const std::string& path,
                                           std::optional<ImageFormat> format) {
    FileLoadResult loaded =
        history_.recordWhole([&] { return LoadBufferFile(buffer_, path, format); });
    concludeFileCommand(loaded, path);
    return loaded;
}

FileSaveResult Application::saveBufferFile(const std::string& path,
                                           std::optional<ImageFormat> format) {
    FileSaveResult saved = SaveBufferFile(buffer_, path, format);
    concludeFileCommand(saved, path);
    return saved;
}

FileLoadResult Application::openBufferBlock(const std::string& path, std::uint32_t offset,
                                            std::uint32_t length) {
    FileLoadResult loaded = history_.record(
        offset, length, [&] { return LoadBufferBlock(buffer_, path, offset, length); });
    concludeFileCommand(loaded, path);
    return loaded;
}

FileSaveResult Application::saveBufferBlock(const std::string& path, std::uint32_t offset,
                                            std::uint32_t length) {
    FileSaveResult saved = SaveBufferBlock(buffer_, path, offset, length);
    concludeFileCommand(saved, path);
    return saved;
}

const OperationOutcome& Application::runOperation(Command command) {
    // A module may write the image in any command, not only in Read.
    return history_.recordWhole(
        [&]() -> const OperationOutcome& { return operations_.run(command); });
}

ReadVerification Application::verifyRead(unsigned reads, std::size_t maxListed) {
    // Undoable like a single Read; reads that differ put the image back and
    // so leave no step.
    return history_.recordWhole([&] {
        return veldrix::verifyRead(operations_, buffer_, block_, ui_, reads, maxListed);
    });
}

ChipComparison Application::compareChipWithBuffer(std::size_t maxListed) {
    return veldrix::compareChipWithBuffer(operations_, buffer_, maxListed);
}

BoardSelfTestReport Application::testBoard() {
    if (caller_.busy()) {
        BoardSelfTestReport refused;
        refused.start = SelfTestStart::Busy;
        return refused;
    }
    return runBoardSelfTest(driver_);
}

void Application::concludeFileCommand(const FileCommandResult& result, const std::string& path) {
    for (const UserMessage& message : result.messages) {
        if (message.channel == MessageChannel::Box) {
            ui_.messageBox(DD_MB_OK, message.text);
        } else {
            postStatus(block_, ui_, message.text);
        }
    }
    if (result.fileNameTaken) {
        documentName_ = path;
    }
}

std::optional<SettingsWriteFailure> Application::takeSettingsWriteFailure() {
    if (settingsWriteFailureTaken_ || !settings_.writeFailure()) {
        return std::nullopt;
    }
    settingsWriteFailureTaken_ = true;
    return settings_.writeFailure();
}

AdvancedOptions Application::advancedOptions() {
    return AdvancedOptions(block_, caller_, catalog_, modules_.algorithmKeys());
}

void Application::finishStatusMessages() {
    status_.drain();
    status_.stop();
}

void Application::switchLanguage(Language language) {
    settings_.settings().main.language = language;
    operations_.setLanguage(language);
}

void Application::rememberSelection() {
    settings_.family().lastmodule = modules_.savedModule();
    settings_.family().lastchip = modules_.savedChip();
}

void Application::writeAllSettings(const std::string& port, const std::string& module,
                                   const std::string& chip) {
    settings_.family().lastmodule = module;
    settings_.family().lastchip = chip;
    settings_.writeGeneral();
    settings_.writeFamily(port);
}

void Application::close() {
    if (!started_ || closed_) {
        return;
    }
    writeAllSettings(portName_, modules_.savedModule(), modules_.savedChip());
    shutDown();
}

void Application::closeKeepingAskedSelection() {
    if (!started_ || closed_) {
        return;
    }
    writeAllSettings(restored_.port.asked, restored_.module.asked, restored_.chip.asked);
    shutDown();
}

void Application::exit() {
    close();
}

void Application::closeWithoutSaving() {
    if (!started_ || closed_) {
        return;
    }
    shutDown();
}

void Application::shutDown() {
    closed_ = true;
    driver_.unbind();
    documentName_.clear();
    buffer_.release();
    fullCleanup();
}

void Application::fullCleanup() {
    catalog_.clear();
    settings_.family() = FamilySettings{};
    portName_.clear();
    modules_.setSaved({}, {});
    modules_.releaseModule();
    buffer_.releasePage();
    permission_.access(0, ports_.current().address);
    settings_.settings().main.all_module_dir.clear();
    status_.stop();
    ports_.clear();
}

std::filesystem::path Application::moduleRoot() const {
    return resolveFromBase(settings_.settings().main.all_module_dir, baseDirectory_);
}

std::filesystem::path Application::driverPath() const {
    return resolveFromBase(settings_.family().driver, baseDirectory_);
}

}  // namespace veldrix
