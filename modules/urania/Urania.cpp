// urania: Microwire serial EEPROMs in 16-bit organisation, 16 to 1024 words.
// Interface version 6: the capability flags are set once, at identify.

#include <type_traits>

#include "ChipRow.h"
#include "ConfigKey.h"
#include "FunctionCode.h"
#include "MicrowireOperations.h"
#include "ModuleEntry.h"
#include "ModuleExport.h"
#include "ModuleIdentity.h"

namespace veldrix::urania {
namespace {

using namespace veldrix::module;

constexpr std::uint8_t kInterfaceVersion = 6;
constexpr std::uint8_t kPins = 8;
constexpr const char* kAbout =
    "urania - Microwire serial EEPROMs (x16), adapted by the VELDRIX team, 2024";

enum KeyIndex { kChipCodeKey, kCellDelayKey };

constinit CfgKey gKeys[] = {
    configKey('d', "CHIPCODE", 0, 0, 0),  // shown only; the module never reads it
    configKey('D', "CDELAY", 5, 0, 0),    // bit-cell delay, µs
    kEndOfKeys,
};

// The block is taken at identify only: the program keeps one call block for
// its whole run. Until identify has run there is no block to work on.
dlldata* gBlock = nullptr;
RowIndex gRow = kNoRow;

std::int32_t identify(dlldata& block) {
    gBlock = &block;
    enableFunctions(block, {kSelectChip, kRead, kCompare, kWrite});
    return describeModule(block, kAbout, kInterfaceVersion, gKeys);
}

std::int32_t selectChip(dlldata& block) {
    gRow = findRowBySize(kMicrowireChips, block.size);
    if (gRow == kNoRow) {
        return kNoMatchingChip;
    }
    block.pins = kPins;
    return kDone;
}

std::int32_t dispatch(dlldata& passed) {
    const std::uint16_t code = passed.funcode;
    if (code == kIdentify) {
        return identify(passed);
    }
    if (code != kSelectChip && code != kRead && code != kCompare && code != kWrite) {
        return kNotImplemented;
    }
    if (gBlock == nullptr) {
        return kNoMatchingChip;
    }
    if (code == kSelectChip) {
        return selectChip(*gBlock);
    }
    const ModuleHost host(*gBlock);
    if (gRow == kNoRow || !host.complete()) {
        return kNoMatchingChip;
    }
    const MicrowireOperations operations(host, kMicrowireChips[gRow], gKeys[kCellDelayKey].value);
    switch (code) {
        case kRead:
            return operations.read();
        case kCompare:
            return operations.compare();
        default:
            return operations.write();
    }
}

}  // namespace
}  // namespace veldrix::urania

VELDRIX_MODULE_EXPORT std::int32_t dmain(dlldata* block) {
    return veldrix::module::runModuleEntry(block, veldrix::urania::dispatch);
}
static_assert(std::is_same_v<decltype(&dmain), dd_entry_fn>);
