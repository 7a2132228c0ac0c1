#include "catalog/KeyTable.h"

#include <cstring>

#include "platform/FaultGuard.h"

namespace veldrix {

namespace {

struct EntryCopy {
    const CfgKey* from;
    CfgKey* to;
};

// Runs under the fault guard: nothing here may need unwinding.
void copyEntry(void* context) {
    auto* copy = static_cast<EntryCopy*>(context);
    std::memcpy(copy->to, copy->from, sizeof(CfgKey));
}

struct ValueWrite {
    CfgKey* key;
    std::uint32_t value;
};

void storeValue(void* context) {
    auto* write = static_cast<ValueWrite*>(context);
    write->key->value = write->value;
}

bool guardedCopy(const CfgKey* from, CfgKey* to) noexcept {
    EntryCopy copy{from, to};
    return platform::runGuarded(&copyEntry, &copy) == platform::FaultKind::None;
}

}  // namespace

std::string_view keyName(const CfgKey& key) noexcept {
    return {key.name, strnlen(key.name, sizeof key.name)};
}

std::optional<CfgKey> readKey(const CfgKey* table, std::size_t index) noexcept {
    CfgKey key{};
    if (table == nullptr || !guardedCopy(table + index, &key)) {
        return std::nullopt;
    }
    return key;
}

std::optional<std::vector<CfgKey>> readKeyTable(const CfgKey* table, std::size_t limit) {
    std::vector<CfgKey> entries;
    for (std::size_t index = 0; index < limit; ++index) {
        const std::optional<CfgKey> key = readKey(table, index);
        if (!key) {
            return std::nullopt;
        }
        if (key->kind == 0) {
            break;
        }
        entries.push_back(*key);
    }
    return entries;
}

bool writeKeyValue(CfgKey* table, std::size_t index, std::uint32_t value) noexcept {
    if (table == nullptr) {
        return false;
    }
    ValueWrite write{table + index, value};
    return platform::runGuarded(&storeValue, &write) == platform::FaultKind::None;
}

bool writeKeyTable(CfgKey* table, const std::vector<CfgKey>& entries) noexcept {
    if (table == nullptr) {
        return entries.empty();
    }
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (!guardedCopy(&entries[index], table + index)) {
            return false;
        }
    }
    return true;
}

}  // namespace veldrix
