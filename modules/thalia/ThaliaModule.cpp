// thalia: 20-pin EPROMs and electrically erasable EPROMs up to 64 Kbytes with
// the low address byte multiplexed on the data pins. No chip table: every
// chip of the family is driven alike and the size only bounds the loops.
// Interface version 7: the capability flags are set at chip selection.

#include "ThaliaModule.h"

#include "MultiplexedProgrammer.h"
#include "MultiplexedScanner.h"
#include "ThaliaKeys.h"

namespace veldrix::thalia {
namespace {

constexpr std::uint8_t kInterfaceVersion = 7;
constexpr std::uint8_t kPins = 20;
constexpr const char* kAbout =
    "thalia - 20-pin multiplexed-bus EPROMs, the VELDRIX team, built " __DATE__;

// Every chip is taken.
std::int32_t selectChip(dlldata& block) {
    block.pins = kPins;
    return DD_OK;
}

using BusOperation = std::int32_t (*)(const MultiplexedBus& bus);

template <BusOperation operation>
std::int32_t onBoard(const module::ModuleHost& host) {
    const MultiplexedBus bus(host);
    return operation(bus);
}

std::int32_t read(const MultiplexedBus& bus) {
    return MultiplexedScanner(bus).scan(ScanKind::Read);
}
std::int32_t compare(const MultiplexedBus& bus) {
    return MultiplexedScanner(bus).scan(ScanKind::Compare);
}
std::int32_t blankCheck(const MultiplexedBus& bus) {
    return MultiplexedScanner(bus).scan(ScanKind::BlankCheck);
}
std::int32_t write(const MultiplexedBus& bus) {
    return MultiplexedProgrammer(bus, gThaliaKeys).write();
}
std::int32_t erase(const MultiplexedBus& bus) {
    return MultiplexedProgrammer(bus, gThaliaKeys).erase();
}
std::int32_t readId(const MultiplexedBus& bus) {
    return MultiplexedProgrammer(bus, gThaliaKeys).readId();
}

constexpr module::FunctionRow kFunctions[] = {
    {DD_FN_READ, onBoard<read>, module::Offer::command()},
    {DD_FN_COMPARE, onBoard<compare>, module::Offer::command()},
    {DD_FN_BLANK_CHECK, onBoard<blankCheck>, module::Offer::command()},
    {DD_FN_WRITE, onBoard<write>, module::Offer::command()},
    {DD_FN_ERASE, onBoard<erase>, module::Offer::byKey(gThaliaKeys[kEraseOfferedKey])},
    {DD_FN_READ_ID, onBoard<readId>, module::Offer::command()},
};

}  // namespace

constinit const module::ModuleDescription kThaliaModule{
    kAbout, kInterfaceVersion, gThaliaKeys, selectChip, nullptr, kFunctions, nullptr,
};

}  // namespace veldrix::thalia
