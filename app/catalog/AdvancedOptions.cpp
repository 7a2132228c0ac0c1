#include "catalog/AdvancedOptions.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "catalog/CallBlockStatus.h"
#include "catalog/KeyTable.h"
#include "core/TextFormat.h"

namespace veldrix {

namespace {

// Layout of a row, dialog units.
constexpr int kRowTop = 10;
constexpr int kRowPitch = 13;
constexpr int kRowHeight = 11;
constexpr int kLabelLeft = 10;
constexpr int kLabelRight = 60;
constexpr int kControlLeft = 70;
constexpr int kControlRight = 120;
// The list's drop-down adds to its height.
constexpr int kListHeight = 61;

// The select call's sub-function that tells the module its keys were edited.
constexpr std::uint16_t kApplyKeysSubfunction = 1;

bool isAlgorithmKey(const CfgKey& key) {
    return keyName(key) == kAlgorithmKeyName;
}

// Binary, decimal and hexadecimal keys take what the user types; a key of
// another kind keeps its value whatever its edit says.
bool takesTypedValue(char kind) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(kind)));
    return upper == 'B' || upper == 'D' || upper == 'H';
}

}  // namespace

bool AdvancedOptions::open(const ChipDescription* appliedChip) {
    open_ = false;
    rows_.clear();
    items_.clear();
    std::optional<std::vector<CfgKey>> table;
    if (block_.hmodule != nullptr && block_.keys != nullptr) {
        table = readKeyTable(block_.keys, kMaxKeyTableEntries);
    }
    if (!table) {
        postStatus(block_, kNoOptions);
        return false;
    }
    savedTable_ = *table;
    savedAlgorithm_ = block_.wralg;
    buildRows(*table);
    buildAlgorithmItems(appliedChip);
    open_ = true;
    return true;
}

void AdvancedOptions::buildRows(const std::vector<CfgKey>& keys) {
    const std::size_t shown = std::min(keys.size(), kMaxRows);
    for (std::size_t i = 0; i < shown; ++i) {
        const CfgKey& key = keys[i];
        const bool list = isAlgorithmKey(key);
        if (list && block_.wralg == ModuleCatalog::kDefaultAlgorithmNumber) {
            continue;
        }
        const int top = kRowTop + kRowPitch * static_cast<int>(i);
        AdvancedOptionRow row{};
        row.keyIndex = i;
        row.name = std::string(keyName(key));
        row.kind = key.kind;
        row.label = row.name + " (" + key.kind + ")";
        row.labelRect = {kLabelLeft, top, kLabelRight, top + kRowHeight};
        row.algorithmList = list;
        row.enabled = list || std::isupper(static_cast<unsigned char>(key.kind)) != 0;
        row.text = list ? std::string() : keyValueText(key.kind, key.value);
        row.controlRect = {kControlLeft, top, kControlRight,
                           top + (list ? kListHeight : kRowHeight)};
        rows_.push_back(std::move(row));
    }
}

void AdvancedOptions::buildAlgorithmItems(const ChipDescription* appliedChip) {
    if (appliedChip == nullptr) {
        return;
    }
    for (const std::uint8_t number : appliedChip->alguse) {
        if (const AlgDef* algorithm = catalog_.algorithm(number)) {
            items_.push_back({std::string(algorithm->name.view()), number});
        }
    }
}

std::optional<std::size_t> AdvancedOptions::algorithmSelection() const noexcept {
    for (std::size_t item = 0; item < items_.size(); ++item) {
        if (items_[item].number == block_.wralg) {
            return item;
        }
    }
    return std::nullopt;
}

void AdvancedOptions::chooseAlgorithm(std::size_t item) {
    if (!open_ || item >= items_.size()) {
        return;
    }
    block_.wralg = items_[item].number;
    keys_.ApplyAlgorithm();
    refreshEditTexts();
}

void AdvancedOptions::refreshEditTexts() {
    for (AdvancedOptionRow& row : rows_) {
        if (row.algorithmList) {
            continue;
        }
        if (const std::optional<CfgKey> key = readKey(block_.keys, row.keyIndex)) {
            row.text = keyValueText(key->kind, key->value);
        }
    }
}

bool AdvancedOptions::setEditText(std::size_t row, std::string text) {
    if (!open_ || row >= rows_.size() || rows_[row].algorithmList || !rows_[row].enabled) {
        return false;
    }
    rows_[row].text = std::move(text);
    return true;
}

std::optional<RefusedKeyValue> AdvancedOptions::accept() {
    if (!open_) {
        return std::nullopt;
    }
    // Every value is checked before the first one is written.
    std::vector<std::pair<std::size_t, std::uint32_t>> values;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const AdvancedOptionRow& row = rows_[i];
        if (row.algorithmList || !row.enabled || !takesTypedValue(row.kind)) {
            continue;
        }
        const std::optional<std::uint32_t> value = parseKeyValue(row.kind, row.text);
        if (!value) {
            return RefusedKeyValue{
                i, formatLimited(
                       kMessageTextCapacity, "%s: \"%s\" is not a value of this key; it takes %s",
                       row.label.c_str(), row.text.c_str(), keyValueForm(row.kind).c_str())};
        }
        values.emplace_back(row.keyIndex, *value);
    }
    open_ = false;
    for (const auto& [keyIndex, value] : values) {
        if (!writeKeyValue(block_.keys, keyIndex, value)) {
            postStatus(block_, AlgorithmKeys::kTableError);
            break;
        }
    }
    block_.funcode = DD_FN_SELECT;
    block_.subfcode = kApplyKeysSubfunction;
    caller_.call();
    return std::nullopt;
}

void AdvancedOptions::cancel() {
    if (!open_) {
        return;
    }
    open_ = false;
    const bool hadList = std::any_of(
        rows_.begin(), rows_.end(), [](const AdvancedOptionRow& row) { return row.algorithmList; });
    if (hadList) {
        if (!writeKeyTable(block_.keys, savedTable_)) {
            postStatus(block_, AlgorithmKeys::kTableError);
        }
        block_.wralg = savedAlgorithm_;
    }
}

}  // namespace veldrix
