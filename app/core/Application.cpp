#include "core/Application.h"

#include <system_error>
#include <utility>

#include "catalog/CallBlockStatus.h"
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
    // An applied chip gets a fresh image of its size, and goes into the
    // simulated socket when the SIM port is chosen, so the board always holds
    // the chip the modules expect.
    modules_.setChipAppliedHook([this] {
        buffer_.SetBuffers();
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
    rememberSelection();

    ui_.refreshTitle();
}

bool Application::selectPort(std::string_view label) {
    HardwareFamily& family = hardwareFamily(block_.hwindex);
    const PortRecord* first = nullptr;
    bool found = false;
    for (const PortRecord& entry : ports_.entries()) {
        if (entry.kind == 0 || (entry.kind & family.portmask) == 0) {
            continue;
        }
        if (first == nullptr) {
            first = &entry;
        }
        found = found || entry.label == label;
    }
    std::string chosen(label);
    if (!found) {
        block_.status("%s", kPortNotFound);
        chosen = first != nullptr ? first->label : std::string();
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
    FileLoadResult loaded = LoadBufferFile(buffer_, path, format);
    concludeFileCommand(loaded, path);
    return loaded;
}

FileSaveResult Application::saveBufferFile(const std::string& path,
                                           std::optional<ImageFormat> format) {
    FileSaveResult saved = SaveBufferFile(buffer_, path, format);
    concludeFileCommand(saved, path);
    return saved;
}

ReadVerification Application::verifyRead(unsigned reads, std::size_t maxListed) {
    return veldrix::verifyRead(operations_, buffer_, block_, ui_, reads, maxListed);
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

void Application::writeAllSettings() {
    rememberSelection();
    settings_.writeGeneral();
    settings_.writeFamily(portName_);
}

void Application::close() {
    if (!started_ || closed_) {
        return;
    }
    writeAllSettings();
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

std::filesystem::path Application::fromBase(const std::string& path) const {
    const std::filesystem::path given(path);
    return given.is_relative() ? baseDirectory_ / given : given;
}

std::filesystem::path Application::moduleRoot() const {
    return fromBase(settings_.settings().main.all_module_dir);
}

std::filesystem::path Application::driverPath() const {
    return fromBase(settings_.family().driver);
}

}  // namespace veldrix
