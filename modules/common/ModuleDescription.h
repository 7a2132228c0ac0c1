#pragma once
// A chip family module described as data: what it answers to identify, how it
// selects a chip, and one table of the function codes it carries out. The
// frame dispatches every call from that table and derives the capability flags
// from it, so a flag can never promise a function the module does not have.

#include <cstdint>
#include <span>

#include "ModuleHost.h"
#include "dlldata.h"

namespace veldrix::module {

// What a function row puts into its capability flag.
class Offer {
public:
    // The program offers the command.
    [[nodiscard]] static constexpr Offer command() noexcept { return Offer(1, nullptr); }
    // Answered when called, but the program offers no command for it.
    [[nodiscard]] static constexpr Offer codeOnly() noexcept { return Offer(0, nullptr); }
    // The flag is the key's value at the time the flags are published.
    [[nodiscard]] static constexpr Offer byKey(const CfgKey& key) noexcept {
        return Offer(0, &key);
    }

    [[nodiscard]] std::uint16_t flag() const noexcept {
        return key_ != nullptr ? static_cast<std::uint16_t>(key_->value) : fixed_;
    }
    // The key that decides the flag, nullptr for a fixed flag.
    [[nodiscard]] constexpr const CfgKey* key() const noexcept { return key_; }

private:
    constexpr Offer(std::uint16_t fixed, const CfgKey* key) noexcept : fixed_(fixed), key_(key) {}

    std::uint16_t fixed_;
    const CfgKey* key_;
};

// An operation on the selected chip; answers a module result code.
using Operation = std::int32_t (*)(const ModuleHost& host);

struct FunctionRow {
    std::uint16_t code;  // DD_FN_READ and above
    Operation run;
    Offer offer;
};

struct ModuleDescription {
    const char* about;     // owned by the module
    std::uint8_t version;  // 6: flags published at identify; 7: at each chip selection
    CfgKey* keys;          // the module's key table, ended by a zero kind
    // Code 1: remembers the chip row for block.size and sets pins; DD_OK, or
    // DD_NO_MATCHING_CHIP with no row selected any more.
    std::int32_t (*select)(dlldata& block);
    // True while a chip row is selected; nullptr for a module that needs none.
    bool (*chipSelected)();
    std::span<const FunctionRow> functions;
    // Where a module that takes the call block at identify only keeps it;
    // nullptr for one that works on the block of every call.
    dlldata** identifiedBlock;
};

// The row of `code`, nullptr when the module does not carry it out.
[[nodiscard]] const FunctionRow* findFunction(const ModuleDescription& module,
                                              std::uint16_t code) noexcept;

// Every capability flag from the table: select, each row's offer, and 0 for
// every other code.
void publishCapabilities(const ModuleDescription& module, dlldata& block) noexcept;

}  // namespace veldrix::module
