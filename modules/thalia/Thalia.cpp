// thalia: 20-pin EPROMs and electrically erasable EPROMs up to 64 Kbytes with
// the low address byte multiplexed on the data pins. No chip table: every
// chip of the family is driven alike and the size only bounds the loops.
// Interface version 7: the capability flags are set at chip selection.

#include <type_traits>

#include "FunctionCode.h"
#include "ModuleEntry.h"
#include "ModuleExport.h"
#include "ModuleIdentity.h"
#include "MultiplexedProgrammer.h"
#include "MultiplexedScanner.h"
#include "ThaliaKeys.h"

namespace veldrix::thalia {
namespace {

using namespace veldrix::module;

constexpr std::uint8_t kInterfaceVersion = 7;
constexpr std::uint8_t kPins = 20;
constexpr const char* kAbout =
    "thalia - 20-pin multiplexed-bus EPROMs, the VELDRIX team, built " __DATE__;

std::int32_t identify(dlldata& block) {
    return describeModule(block, kAbout, kInterfaceVersion, gThaliaKeys);
}

std::int32_t selectChip(dlldata& block) {
    block.funcs[kErase] = static_cast<std::uint16_t>(gThaliaKeys[kEraseOfferedKey].value);
    block.pins = kPins;
    enableFunctions(block, {kSelectChip, kRead, kCompare, kBlankCheck, kWrite, kReadId});
    block.funcs[kTest] = 0;
    return kDone;
}

std::int32_t operate(const ModuleHost& host, std::uint16_t code) {
    const MultiplexedBus bus(host);
    switch (code) {
        case kRead:
            return MultiplexedScanner(bus).scan(ScanKind::Read);
        case kCompare:
            return MultiplexedScanner(bus).scan(ScanKind::Compare);
        case kBlankCheck:
            return MultiplexedScanner(bus).scan(ScanKind::BlankCheck);
        case kWrite:
            return MultiplexedProgrammer(bus, gThaliaKeys).write();
        case kErase:
            return MultiplexedProgrammer(bus, gThaliaKeys).erase();
        default:
            return MultiplexedProgrammer(bus, gThaliaKeys).readId();
    }
}

std::int32_t dispatch(dlldata& block) {
    const std::uint16_t code = block.funcode;
    switch (code) {
        case kIdentify:
            return identify(block);
        case kSelectChip:
            return selectChip(block);
        case kRead:
        case kCompare:
        case kBlankCheck:
        case kWrite:
        case kErase:
        case kReadId:
            break;
        default:
            return kNotImplemented;
    }
    const ModuleHost host(block);
    if (!host.complete()) {
        return kNoMatchingChip;
    }
    return operate(host, code);
}

}  // namespace
}  // namespace veldrix::thalia

VELDRIX_MODULE_EXPORT std::int32_t dmain(dlldata* block) {
    return veldrix::module::runModuleEntry(block, veldrix::thalia::dispatch);
}
static_assert(std::is_same_v<decltype(&dmain), dd_entry_fn>);
