#include "core/DeviceOperations.h"

#include "buffer/DataBuffer.h"
#include "buffer/ImageSetUpFailure.h"
#include "catalog/CallBlockStatus.h"
#include "core/TextFormat.h"

namespace veldrix {

namespace {

// Pane and result texts are the same in every language.
constexpr const char* kReady = "Ready";
constexpr const char* kReading = "Reading ...";
constexpr const char* kWriting = "Writing ...";
constexpr const char* kComparing = "Comparing ...";
constexpr const char* kBlankChecking = "Blank Checking ...";
constexpr const char* kErasing = "Erasing ...";
constexpr const char* kTesting = "Testing ...";
constexpr const char* kConfiguring = "Configuration ...";

constexpr const char* kReadError = "Read error: %X";
constexpr const char* kCompareError = "Compare error: %X";
constexpr const char* kErrorCount = "%i Errors";
constexpr const char* kNotSupported = "FUNC NOT SUPPORT";
constexpr const char* kNotBlank = "Chip not blanked at %06X";
constexpr const char* kEraseError = "Erase error: %X";
constexpr const char* kIdentifier = "ID: %08X";
constexpr const char* kLockError = "Lock error: %X";
constexpr const char* kConfigurationError = "Configuration error, code: %03X";
constexpr const char* kWriteFailure =
    "Error Write %04X\r\nAddress:%08X\r\n\r\nIC:         %04X\r\nBUFFER:%04X";

}  // namespace

std::string_view writeConfirmationText(Language language) noexcept {
    return language == Language::Russian ? "Вы уверены?" : "Are you sure?";
}

bool DeviceOperations::enabled(Command command) const noexcept {
    return block_.funcs[commandInfo(command).funcode] != 0;
}

std::optional<Verdict> DeviceOperations::refusal(Command command) const noexcept {
    if (caller_.busy()) {
        return Verdict::Refused;
    }
    // Before the capability: a module may offer nothing for a chip it
    // cannot hold, and the missing image is the cause to name.
    if (!buffer_.hasImage()) {
        return Verdict::NoImage;
    }
    if (!enabled(command)) {
        return Verdict::NotSupported;
    }
    return std::nullopt;
}

const OperationOutcome& DeviceOperations::run(Command command) {
    if (caller_.busy()) {
        // The running operation's outcome is still being made: a refusal
        // gets one of its own.
        refused_ = OperationOutcome{.command = command, .verdict = Verdict::Refused};
        return refused_;
    }
    outcome_ = OperationOutcome{.command = command};
    if (const std::optional<Verdict> refused = refusal(command)) {
        outcome_.verdict = *refused;
        if (*refused == Verdict::NoImage) {
            status(noImageText(buffer_.setUpFailure()));
        }
        return outcome_;
    }
    switch (command) {
        case Command::Read:
            read();
            break;
        case Command::Write:
            write();
            break;
        case Command::Compare:
            compare();
            break;
        case Command::BlankCheck:
            blankCheck();
            break;
        case Command::Erase:
            erase();
            break;
        case Command::ReadId:
            readId();
            break;
        case Command::Test:
            test();
            break;
        case Command::Lock:
            lock();
            break;
        case Command::Unlock:
            unlock();
            break;
        case Command::Configuration:
            configuration();
            break;
    }
    return outcome_;
}

CallOutcome DeviceOperations::readWithoutMessages() {
    return caller_.run(commandInfo(Command::Read).funcode);
}

void DeviceOperations::read() {
    buffer_.ClearMarks();
    pane(kReading);
    if (const auto result = call(Command::Read)) {
        const std::uint32_t code = static_cast<std::uint32_t>(*result) & DD_READ_RESULT_MASK;
        if (code != 0) {
            status(formatLimited(kStatusTextCapacity, kReadError, code));
        }
    }
    pane(kReady);
}

void DeviceOperations::write() {
    buffer_.ClearMarks();
    if (settings_.conformation != 0) {
        const std::string question(writeConfirmationText(language_));
        // Only an explicit OK writes; a box closed any other way does not.
        if (ui_.messageBox(DD_MB_OKCANCEL, question) != DD_IDOK) {
            outcome_.verdict = Verdict::NotConfirmed;
            return;
        }
    }
    pane(kWriting);
    block_.forcewr = settings_.forcewr;
    block_.checkwr = settings_.checkwr;
    block_.testins = settings_.testins;
    if (const auto result = call(Command::Write); result && *result != DD_OK) {
        block_.page = block_.erraddr > block_.size ? 1 : 0;
        const std::uint8_t inBuffer = buffer_.getbyte(block_.erraddr);
        ui_.messageBox(
            DD_MB_ICONEXCLAMATION,
            formatLimited(kMessageTextCapacity, kWriteFailure, static_cast<unsigned>(*result),
                          block_.erraddr, block_.errdata, static_cast<unsigned>(inBuffer)));
    }
    pane(kReady);
}

void DeviceOperations::compare() {
    buffer_.ClearMarks();
    pane(kComparing);
    if (const auto result = call(Command::Compare)) {
        if (*result != DD_OK) {
            status(
                formatLimited(kStatusTextCapacity, kCompareError, static_cast<unsigned>(*result)));
        }
        if (block_.errdata != 0) {
            ui_.messageBox(DD_MB_OK, formatLimited(kMessageTextCapacity, kErrorCount,
                                                   static_cast<int>(block_.errdata)));
        }
    }
    pane(kReady);
}

void DeviceOperations::blankCheck() {
    pane(kBlankChecking);
    if (const auto result = call(Command::BlankCheck)) {
        if (*result == DD_NOT_IMPLEMENTED) {
            status(kNotSupported);
        } else if (*result != DD_OK) {
            ui_.messageBox(DD_MB_OK,
                           formatLimited(kMessageTextCapacity, kNotBlank, block_.erraddr));
        }
    }
    pane(kReady);
}

void DeviceOperations::erase() {
    pane(kErasing);
    if (const auto result = call(Command::Erase); result && *result != DD_OK) {
        status(formatLimited(kStatusTextCapacity, kEraseError, static_cast<unsigned>(*result)));
    }
    pane(kReady);
}

void DeviceOperations::readId() {
    // Modules report the identifier in errdata; the result says nothing.
    if (call(Command::ReadId)) {
        ui_.messageBox(DD_MB_OK, formatLimited(kMessageTextCapacity, kIdentifier, block_.errdata));
    }
}

void DeviceOperations::test() {
    pane(kTesting);
    (void)call(Command::Test);
    pane(kReady);
}

void DeviceOperations::lock() {
    if (const auto result = call(Command::Lock); result && *result != DD_OK) {
        status(formatLimited(kStatusTextCapacity, kLockError, static_cast<unsigned>(*result)));
    }
    refreshEditors();
}

void DeviceOperations::unlock() {
    (void)call(Command::Unlock);
    refreshEditors();
}

void DeviceOperations::configuration() {
    pane(kConfiguring);
    if (const auto result = call(Command::Configuration); result && *result != DD_OK) {
        status(formatLimited(kStatusTextCapacity, kConfigurationError,
                             static_cast<unsigned>(*result)));
    }
    pane(kReady);
}

std::optional<std::int32_t> DeviceOperations::call(Command command) {
    const CallOutcome call = caller_.run(commandInfo(command).funcode);
    outcome_.verdict = judgeOperation(command, call, block_.errdata);
    outcome_.result = call.result;
    outcome_.moduleFault = call.fault;
    outcome_.driverFault = call.driverFault;
    outcome_.ran = call.ran();
    outcome_.cancelled = call.cancelled;
    if (!call.ran()) {
        return std::nullopt;
    }
    outcome_.erraddr = block_.erraddr;
    outcome_.errdata = block_.errdata;
    return call.result;
}

void DeviceOperations::pane(const char* text) {
    ui_.setPaneText(Pane::Message, text);
}

// Through the call block's status callback, so operation results share the
// status path with the messages modules give.
void DeviceOperations::status(const std::string& text) {
    postStatus(block_, ui_, text);
}

// The module may have changed what the chip shows (a locked device reads
// differently), so the editors take the image anew with their marks cleared.
void DeviceOperations::refreshEditors() {
    buffer_.AttachEditors();
}

}  // namespace veldrix
