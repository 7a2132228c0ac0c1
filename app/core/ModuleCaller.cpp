#include "core/ModuleCaller.h"

#include <cstring>

#include "core/TextFormat.h"
#include "platform/FaultGuard.h"
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

}  // namespace

std::int32_t ModuleCaller::call() {
    ui_.takeFocus();
    EntryCall entryCall{entry_, &block_, 0};
    bool faulted = false;
    if (entry_ != nullptr) {
        const platform::RaisedThreadPriority chipTiming;
        faulted = platform::runGuarded(&invokeEntry, &entryCall) != platform::FaultKind::None;
    }
    ui_.giveFocusBack();
    // Whatever the module did, no progress window outlives the call, so the
    // main window is usable again before any message shows.
    if (progress_.isOpen()) {
        progress_.progress(0, DD_PROGRESS_CLOSE);
    }
    if (faulted) {
        reportFault();
        return 0;
    }
    if (block_._size != DD_RECORD_SIZE) {
        ui_.messageBox(DD_MB_OK, formatLimited(kMessageTextCapacity, kSizeText, block_._size));
    }
    if (block_.signature != DD_SIGNATURE) {
        ui_.messageBox(DD_MB_OK, kSignatureText);
    }
    return entryCall.result;
}

std::int32_t ModuleCaller::run(std::uint16_t funcode) {
    block_.funcode = funcode;
    block_.subfcode = 0;
    return call();
}

void ModuleCaller::identifyAndSelect(void* moduleHandle) {
    block_.hmodule = moduleHandle;
    block_.funcode = 0;
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
    run(1);
}

void ModuleCaller::selectChip() {
    clearFlagsUnlessLevel6();
    block_.blank = 0xFF;
    block_.page = 0;
    run(1);
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
