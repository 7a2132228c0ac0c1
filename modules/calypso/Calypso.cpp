// calypso: byte-wide electrically erasable EPROMs from 32 to 512 Kbytes.
// Interface version 7: the capability flags are set per chip, at selection.

#include <type_traits>

#include "CalypsoKeys.h"
#include "ChipRow.h"
#include "EepromEraser.h"
#include "EepromProbe.h"
#include "EepromProgrammer.h"
#include "EepromScanner.h"
#include "FunctionCode.h"
#include "ModuleEntry.h"
#include "ModuleExport.h"
#include "ModuleIdentity.h"

namespace veldrix::calypso {
namespace {

using namespace veldrix::module;

constexpr std::uint8_t kInterfaceVersion = 7;
constexpr const char* kAbout =
    "calypso - electrically erasable EPROMs 32K..512K, the VELDRIX team, built " __DATE__;

RowIndex gRow = kNoRow;

std::int32_t identify(dlldata& block) {
    return describeModule(block, kAbout, kInterfaceVersion, gCalypsoKeys);
}

std::int32_t selectChip(dlldata& block) {
    gRow = findRowBySize(kEepromChips, block.size);
    if (gRow == kNoRow) {
        return kNoMatchingChip;
    }
    enableFunctions(block, {kSelectChip, kRead, kCompare, kBlankCheck, kWrite, kErase, kReadId});
    block.pins = kEepromChips[gRow].pins;
    // An algorithm number beyond the key's bound falls back to the key's
    // default less one: with the default 0 that is 255, no algorithm.
    const CfgKey& algorithm = gCalypsoKeys[kWrAlgKey];
    if (block.wralg > algorithm.limit) {
        block.wralg = static_cast<std::uint8_t>(algorithm.defval - 1);
    }
    return kDone;
}

bool implemented(std::uint16_t code) {
    switch (code) {
        case kRead:
        case kCompare:
        case kBlankCheck:
        case kWrite:
        case kErase:
        case kReadId:
        case kTest:
            return true;
        default:
            return false;
    }
}

std::int32_t operate(const ModuleHost& host, std::uint16_t code) {
    const EepromBus bus(host, kEepromChips[gRow]);
    switch (code) {
        case kRead:
            return EepromScanner(bus).read();
        case kCompare:
            return EepromScanner(bus).compare();
        case kBlankCheck:
            return EepromScanner(bus).blankCheck();
        case kWrite:
            return EepromProgrammer(bus, gCalypsoKeys).write();
        case kErase:
            return EepromEraser(bus).erase();
        case kReadId:
            return EepromProbe(bus).readId();
        default:
            return EepromProbe(bus).testInsertion();
    }
}

std::int32_t dispatch(dlldata& block) {
    const std::uint16_t code = block.funcode;
    if (code == kIdentify) {
        return identify(block);
    }
    if (code == kSelectChip) {
        return selectChip(block);
    }
    if (!implemented(code)) {
        return kNotImplemented;
    }
    const ModuleHost host(block);
    if (gRow == kNoRow || !host.complete()) {
        return kNoMatchingChip;
    }
    return operate(host, code);
}

}  // namespace
}  // namespace veldrix::calypso

VELDRIX_MODULE_EXPORT std::int32_t dmain(dlldata* block) {
    return veldrix::module::runModuleEntry(block, veldrix::calypso::dispatch);
}
static_assert(std::is_same_v<decltype(&dmain), dd_entry_fn>);
