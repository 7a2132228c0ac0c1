// calypso: byte-wide electrically erasable EPROMs from 32 to 512 Kbytes.
// Interface version 7: the capability flags are set per chip, at selection.

#include "CalypsoModule.h"

#include "CalypsoKeys.h"
#include "ChipRow.h"
#include "EepromEraser.h"
#include "EepromProbe.h"
#include "EepromProgrammer.h"
#include "EepromScanner.h"

namespace veldrix::calypso {
namespace {

constexpr std::uint8_t kInterfaceVersion = 7;
constexpr const char* kAbout =
    "calypso - electrically erasable EPROMs 32K..512K, the VELDRIX team, built " __DATE__;

module::RowIndex gRow = module::kNoRow;

std::int32_t selectChip(dlldata& block) {
    gRow = module::findRowBySize(kEepromChips, block.size);
    if (gRow == module::kNoRow) {
        return DD_NO_MATCHING_CHIP;
    }
    block.pins = kEepromChips[gRow].pins;
    // An algorithm number beyond the key's bound falls back to the key's
    // default less one: with the default 0 that is 255, no algorithm.
    const CfgKey& algorithm = gCalypsoKeys[kWrAlgKey];
    if (block.wralg > algorithm.limit) {
        block.wralg = static_cast<std::uint8_t>(algorithm.defval - 1);
    }
    return DD_OK;
}

bool chipSelected() {
    return gRow != module::kNoRow;
}

using EepromOperation = std::int32_t (*)(const EepromBus& bus);

template <EepromOperation operation>
std::int32_t onSelectedChip(const module::ModuleHost& host) {
    const EepromBus bus(host, kEepromChips[gRow]);
    return operation(bus);
}

std::int32_t read(const EepromBus& bus) {
    return EepromScanner(bus).read();
}
std::int32_t compare(const EepromBus& bus) {
    return EepromScanner(bus).compare();
}
std::int32_t blankCheck(const EepromBus& bus) {
    return EepromScanner(bus).blankCheck();
}
std::int32_t write(const EepromBus& bus) {
    return EepromProgrammer(bus, gCalypsoKeys).write();
}
std::int32_t erase(const EepromBus& bus) {
    return EepromEraser(bus).erase();
}
std::int32_t readId(const EepromBus& bus) {
    return EepromProbe(bus).readId();
}
std::int32_t testInsertion(const EepromBus& bus) {
    return EepromProbe(bus).testInsertion();
}

constexpr module::FunctionRow kFunctions[] = {
    {DD_FN_READ, onSelectedChip<read>, module::Offer::command()},
    {DD_FN_COMPARE, onSelectedChip<compare>, module::Offer::command()},
    {DD_FN_BLANK_CHECK, onSelectedChip<blankCheck>, module::Offer::command()},
    {DD_FN_WRITE, onSelectedChip<write>, module::Offer::command()},
    {DD_FN_ERASE, onSelectedChip<erase>, module::Offer::command()},
    {DD_FN_READ_ID, onSelectedChip<readId>, module::Offer::command()},
    // The family's selection has never offered the Test command; the
    // insertion test stays reachable by its code.
    {DD_FN_TEST, onSelectedChip<testInsertion>, module::Offer::codeOnly()},
};

}  // namespace

constinit const module::ModuleDescription kCalypsoModule{
    kAbout, kInterfaceVersion, gCalypsoKeys, selectChip, chipSelected, kFunctions, nullptr,
};

}  // namespace veldrix::calypso
