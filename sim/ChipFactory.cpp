#include "ChipFactory.h"

#include "AsciiCase.h"
#include "EepromChip.h"
#include "MicrowireChip.h"
#include "MuxEpromChip.h"

namespace veldrix::sim {

namespace {

bool powerOfTwoWithin(std::uint32_t value, std::uint32_t low, std::uint32_t high) {
    return value >= low && value <= high && (value & (value - 1)) == 0;
}

struct ModuleKind {
    std::string_view module;
    ChipKind kind;
};

constexpr ModuleKind kModuleKinds[] = {
    {"urania", ChipKind::Microwire},
    {"calypso", ChipKind::Eeprom},
    {"thalia", ChipKind::MuxEprom},
};

}  // namespace

std::unique_ptr<ChipModel> makeChip(ChipKind kind, std::uint32_t size) {
    switch (kind) {
        case ChipKind::Microwire:
            if (size % 2 == 0 &&
                powerOfTwoWithin(size / 2, MicrowireChip::kMinWords, MicrowireChip::kMaxWords)) {
                return std::make_unique<MicrowireChip>(size / 2);
            }
            return nullptr;
        case ChipKind::Eeprom:
            if (const EepromPinout* pinout = EepromChip::pinoutFor(size)) {
                return std::make_unique<EepromChip>(*pinout);
            }
            return nullptr;
        case ChipKind::MuxEprom:
            if (powerOfTwoWithin(size, MuxEpromChip::kMinSize, MuxEpromChip::kMaxSize)) {
                return std::make_unique<MuxEpromChip>(size);
            }
            return nullptr;
        case ChipKind::None:
            return nullptr;
    }
    return nullptr;
}

ChipKind kindForModule(std::string_view module) noexcept {
    for (const ModuleKind& entry : kModuleKinds) {
        if (equalsIgnoringAsciiCase(module, entry.module)) {
            return entry.kind;
        }
    }
    return ChipKind::None;
}

const char* kindName(ChipKind kind) noexcept {
    switch (kind) {
        case ChipKind::Microwire:
            return "microwire";
        case ChipKind::Eeprom:
            return "eeprom";
        case ChipKind::MuxEprom:
            return "mux-eprom";
        case ChipKind::None:
            break;
    }
    return "empty";
}

}  // namespace veldrix::sim
