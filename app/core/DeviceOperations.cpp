#include "core/DeviceOperations.h"

#include "buffer/DataBuffer.h"
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

// Read results: only the low eight bits tell an error.
constexpr std::uint32_t kReadErrorMask = 0xFF;

}  // namespace

std::string_view writeConfirmationText(Language language) noexcept {
    return language == Language::Russian ? "Вы уверены?" : "Are you sure?";
}

bool DeviceOperations::enabled(Command command) const noexcept {
    return block_.funcs[commandInfo(command).flag] != 0;
}

void DeviceOperations::run(Command command) {
    outcome_ = {};
    if (!enabled(command)) {
        return;
    }
    switch (command) {
        case Command::Read:
            return read();
        case Command::Write:
            return write();
        case Command::Compare:
            return compare();
        case Command::BlankCheck:
            return blankCheck();
        case Command::Erase:
            return erase();
        case Command::ReadId:
            return readId();
        case Command::Test:
            return test();
        case Command::Lock:
            return lock();
        case Command::Unlock:
            return unlock();
        case Command::Configuration:
            return configuration();
    }
}

void DeviceOperations::read() {
    buffer_.ClearMarks();
    pane(kReading);
    const auto code = static_cast<std::uint32_t>(call(Command::Read)) & kReadErrorMask;
    if (code != 0) {
        status(formatLimited(kStatusTextCapacity, kReadError, code));
    }
    pane(kReady);
}

void DeviceOperations::write() {
    outcome_ = {};
    buffer_.ClearMarks();
    if (settings_.conformation != 0) {
        const std::string question(writeConfirmationText(language_));
        // Only an explicit OK writes; a box closed any other way does not.
        if (ui_.messageBox(DD_MB_OKCANCEL, question) != DD_IDOK) {
            return;
        }
    }
    pane(kWriting);
    block_.forcewr = settings_.forcewr;
    block_.checkwr = settings_.checkwr;
    block_.testins = settings_.testins;
    const std::int32_t result = call(Command::Write);
    if (result != 0) {
        block_.page = block_.erraddr > block_.size ? 1 : 0;
        const std::uint8_t inBuffer = buffer_.getbyte(block_.erraddr);
        ui_.messageBox(
            DD_MB_ICONEXCLAMATION,
            formatLimited(kMessageTextCapacity, kWriteFailure, static_cast<unsigned>(result),
                          block_.erraddr, block_.errdata, static_cast<unsigned>(inBuffer)));
    }
    pane(kReady);
}

void DeviceOperations::compare() {
    buffer_.ClearMarks();
    pane(kComparing);
    const std::int32_t result = call(Command::Compare);
    if (result != 0) {
        status(formatLimited(kStatusTextCapacity, kCompareError, static_cast<unsigned>(result)));
    }
    if (block_.errdata != 0) {
        ui_.messageBox(DD_MB_OK, formatLimited(kMessageTextCapacity, kErrorCount,
                                               static_cast<int>(block_.errdata)));
    }
    pane(kReady);
}

void DeviceOperations::blankCheck() {
    pane(kBlankChecking);
    const std::int32_t result = call(Command::BlankCheck);
    if (result == DD_NOT_IMPLEMENTED) {
        status(kNotSupported);
    } else if (result != 0) {
        ui_.messageBox(DD_MB_OK, formatLimited(kMessageTextCapacity, kNotBlank, block_.erraddr));
    }
    pane(kReady);
}

void DeviceOperations::erase() {
    pane(kErasing);
    const std::int32_t result = call(Command::Erase);
    if (result != 0) {
        status(formatLimited(kStatusTextCapacity, kEraseError, static_cast<unsigned>(result)));
    }
    pane(kReady);
}

void DeviceOperations::readId() {
    // Modules report the identifier in errdata; the result says nothing.
    call(Command::ReadId);
    ui_.messageBox(DD_MB_OK, formatLimited(kMessageTextCapacity, kIdentifier, block_.errdata));
}

void DeviceOperations::test() {
    pane(kTesting);
    call(Command::Test);
    pane(kReady);
}

void DeviceOperations::lock() {
    const std::int32_t result = call(Command::Lock);
    if (result != 0) {
        status(formatLimited(kStatusTextCapacity, kLockError, static_cast<unsigned>(result)));
    }
    refreshEditors();
}

void DeviceOperations::unlock() {
    call(Command::Unlock);
    refreshEditors();
}

void DeviceOperations::configuration() {
    pane(kConfiguring);
    const std::int32_t result = call(Command::Configuration);
    if (result != 0) {
        status(
            formatLimited(kStatusTextCapacity, kConfigurationError, static_cast<unsigned>(result)));
    }
    pane(kReady);
}

std::int32_t DeviceOperations::call(Command command) {
    const std::int32_t result = caller_.run(commandInfo(command).funcode);
    outcome_ = {true, result};
    return result;
}

void DeviceOperations::pane(const char* text) {
    ui_.setPaneText(Pane::Message, text);
}

// Through the call block's status callback, so operation results share the
// pending slot with the messages modules give.
void DeviceOperations::status(const std::string& text) {
    postStatus(block_, ui_, text);
}

// The module may have changed what the chip shows (a locked device reads
// differently), so the editors take the image anew with their marks cleared.
void DeviceOperations::refreshEditors() {
    buffer_.AttachEditors();
}

}  // namespace veldrix
