#pragma once
// A chip family module loaded by path and called the way the program calls
// it: the identify and select sequences with the flag clearing of the
// program, and a record of the key values the module started with.

#include <cstdint>
#include <string>
#include <vector>

#include "dlldata.h"
#include "platform/DynamicLibrary.h"

namespace veldrix::test {

class ChipModule {
public:
    // The library at `path`, loaded once per test program.
    static ChipModule& at(const std::string& path);

    [[nodiscard]] bool loaded() const { return entry_ != nullptr; }
    [[nodiscard]] const std::string& loadError() const { return library_.error(); }
    [[nodiscard]] dd_entry_fn entry() const { return entry_; }

    // One call with funcode `code` and subfcode 0.
    std::int32_t call(dlldata& block, std::uint16_t code) const;
    // The program's identify sequence: the fields it clears, the call, and
    // the flags cleared again for a module above level 6.
    std::int32_t identify(dlldata& block) const;
    // The program's chip selection: flags cleared above level 6, blank
    // 0xFF, page 0, then code 1 for a chip of `size` bytes.
    std::int32_t select(dlldata& block, std::uint32_t size) const;

    // The module's key table and its entry called `name` (null if absent).
    [[nodiscard]] CfgKey* keys() const { return keys_; }
    [[nodiscard]] CfgKey* key(const char* name) const;
    // Values as the module published them before any test changed them.
    [[nodiscard]] const std::vector<std::uint32_t>& initialValues() const { return initial_; }
    void restoreInitialValues() const;

private:
    explicit ChipModule(const std::string& path);

    platform::DynamicLibrary library_;
    dd_entry_fn entry_ = nullptr;
    CfgKey* keys_ = nullptr;
    std::vector<std::uint32_t> initial_;
};

}  // namespace veldrix::test
