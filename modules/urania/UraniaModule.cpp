// urania: Microwire serial EEPROMs in 16-bit organisation, 16 to 1024 words.
// Interface version 6: the capability flags are set once, at identify.

#include "UraniaModule.h"

#include "ChipRow.h"
#include "ConfigKey.h"
#include "MicrowireOperations.h"

namespace veldrix::urania {
namespace {

constexpr std::uint8_t kInterfaceVersion = 6;
constexpr std::uint8_t kPins = 8;
constexpr const char* kAbout =
    "urania - Microwire serial EEPROMs (x16), adapted by the VELDRIX team, 2024";

enum KeyIndex { kChipCodeKey, kCellDelayKey };

constinit CfgKey gKeys[] = {
    module::configKey('d', "CHIPCODE", 0, 0, 0),  // shown only; the module never reads it
    module::configKey('D', "CDELAY", 5, 0, 0),    // bit-cell delay, µs
    module::kEndOfKeys,
};

// The block is taken at identify only: the program keeps one call block for
// its whole run. Until identify has run there is no block to work on.
dlldata* gBlock = nullptr;
module::RowIndex gRow = module::kNoRow;

std::int32_t selectChip(dlldata& block) {
    gRow = module::findRowBySize(kMicrowireChips, block.size);
    if (gRow == module::kNoRow) {
        return DD_NO_MATCHING_CHIP;
    }
    block.pins = kPins;
    return DD_OK;
}

bool chipSelected() {
    return gRow != module::kNoRow;
}

using WordOperation = std::int32_t (MicrowireOperations::*)() const;

template <WordOperation operation>
std::int32_t onSelectedChip(const module::ModuleHost& host) {
    const MicrowireOperations operations(host, kMicrowireChips[gRow], gKeys[kCellDelayKey].value);
    return (operations.*operation)();
}

constexpr module::FunctionRow kFunctions[] = {
    {DD_FN_READ, onSelectedChip<&MicrowireOperations::read>, module::Offer::command()},
    {DD_FN_COMPARE, onSelectedChip<&MicrowireOperations::compare>, module::Offer::command()},
    {DD_FN_WRITE, onSelectedChip<&MicrowireOperations::write>, module::Offer::command()},
};

}  // namespace

constinit const module::ModuleDescription kUraniaModule{
    kAbout, kInterfaceVersion, gKeys, selectChip, chipSelected, kFunctions, &gBlock,
};

}  // namespace veldrix::urania
