#include "core/ModuleCaller.h"

#include <cstring>

#include "core/TextFormat.h"
#include "platform/RaisedThreadPriority.h"

namespace veldrix {

namespace {

constexpr const char* kFaultText =
    "DMAIN ERROR\n\ndlldata.funcode = 0x%02X\ndlldata.subfcode = 0x%02X\nport = 0x%03X";
constexpr const char* kSizeText = "dlldata._size not OK [0x%04X]";
constexpr const char* kSignatureText = "dlldata.signature != 'Qf9w'";

// Modules at this interface level or below set their flags when identifying.
constexpr std::uint8_t kFlagsAtIdentifyLevel = 6;

struct EntryCall {
    dd_entry_fn entry;
    dlldata* block;
    std::int32_t result;
};

// Runs under the fault guard: nothing here may need unwinding.
void invokeEntry(void* context) {
    auto* call = static_cast<EntryCall*>(context);
    call->result = call->entry(call->block);
}

// Marks the caller busy for one call, also when a message box throws.
class BusyScope {
public:
    explicit BusyScope(bool& busy) noexcept : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

}  // namespace

CallOutcome ModuleCaller::call() {
    if (busy_) {
        return CallOutcome{};
    }
    const BusyScope scope(busy_);
    ui_.takeFocus();
    const CallOutcome outcome = guardedEntryCall();
    last_ = outcome;
    ui_.giveFocusBack();
    // Whatever the module did, no progress window outlives the call, so the
    // main window is usable again before any message shows.
    if (progress_.isOpen()) {
        progress_.progress(0, DD_PROGRESS_CLOSE);
    }
    if (outcome.faulted()) {
        reportFault();
        return outcome;
    }
    if (block_._size != DD_RECORD_SIZE) {
        ui_.messageBox(DD_MB_OK, formatLimited(kMessageTextCapacity, kSizeText, block_._size));
    }
    if (block_.signature != DD_SIGNATURE) {
        ui_.messageBox(DD_MB_OK, kSignatureText);
    }
    return outcome;
}

CallOutcome ModuleCaller::guardedEntryCall() {
    CallOutcome outcome;
    if (entry_ == nullptr) {
        return outcome;
    }
    const std::uint32_t driverFaultsBefore = driverFaults_ != nullptr ? driverFaults_->count : 0;
    const std::uint32_t cancelsBefore = progress_.cancelRequests();
    EntryCall entryCall{entry_, &block_, 0};
    {
        const platform::RaisedThreadPriority chipTiming;
        outcome.fault = platform::runGuarded(&invokeEntry, &entryCall);
    }
    if (outcome.fault == platform::FaultKind::None) {
        outcome.state = CallState::Ran;
        outcome.result = entryCall.result;
    } else {
        outcome.state = CallState::Faulted;
    }
    if (driverFaults_ != nullptr && driverFaults_->count != driverFaultsBefore) {
        outcome.driverFault = driverFaults_->last;
    }
    outcome.cancelled = progress_.cancelRequests() != cancelsBefore;
    return outcome;
}

CallOutcome ModuleCaller::run(std::uint16_t funcode) {
    if (busy_) {
        return CallOutcome{};
    }
    block_.funcode = funcode;
    block_.subfcode = 0;
    return call();
}

void ModuleCaller::identifyAndSelect(void* moduleHandle) {
    if (busy_) {
        return;
    }
    block_.hmodule = moduleHandle;
    block_.funcode = DD_FN_IDENTIFY;
    block_.subfcode = 0;
    block_.eeplen = 0;
    block_.eepofs = 0;
    block_.extlen = 0;
    block_.extofs = 0;
    std::memset(block_.funcs, 0, sizeof block_.funcs);
    block_.keys = nullptr;
    block_.about = nullptr;
    call();
    clearFlagsUnlessLevel6();
    run(DD_FN_SELECT);
}

void ModuleCaller::selectChip() {
    if (busy_) {
        return;
    }
    clearFlagsUnlessLevel6();
    block_.blank = 0xFF;
    block_.page = 0;
    run(DD_FN_SELECT);
}

void ModuleCaller::clearFlagsUnlessLevel6() noexcept {
    if (block_.version > kFlagsAtIdentifyLevel || block_.hmodule == nullptr) {
        std::memset(block_.funcs, 0, sizeof block_.funcs);
    }
}

void ModuleCaller::reportFault() {
    const std::uint16_t port = portAddress_ ? portAddress_() : 0;
    ui_.messageBox(DD_MB_OK, formatLimited(kMessageTextCapacity, kFaultText, block_.funcode,
                                           block_.subfcode, port));
}

}  // namespace veldrix
