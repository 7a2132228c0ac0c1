#pragma once
// The Advanced Options dialog without its widgets: one row per configuration
// key (a label and an edit, or the write algorithm list for "WrAlg"), the
// algorithm choice, OK with the configuration call, and Cancel.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/AlgorithmKeys.h"
#include "catalog/ChipDescription.h"
#include "catalog/KeyValue.h"
#include "catalog/ModuleCatalog.h"
#include "core/DialogRect.h"
#include "core/ModuleCaller.h"
#include "dlldata.h"

namespace veldrix {

struct AdvancedOptionRow {
    std::size_t keyIndex;  // row on the dialog: keys count from 0, skipped ones too
    std::string name;      // the key's name
    char kind;             // the key's kind letter
    std::string label;     // "Tpw (D)"
    DialogRect labelRect;
    bool algorithmList;  // the "WrAlg" drop-down instead of an edit
    bool enabled;        // upper-case kinds are editable
    std::string text;    // the edit's text; empty for the list
    DialogRect controlRect;
};

// One entry of the "WrAlg" list: an algorithm the applied chip can use.
struct AlgorithmItem {
    std::string name;
    std::uint8_t number;  // numbering of the configuration file
};

// An edit whose text is no value of its key: OK refuses it.
struct RefusedKeyValue {
    std::size_t row;      // index into rows()
    std::string message;  // what the key takes, for the user
};

class AdvancedOptions {
public:
    static constexpr const char* kCaption = "Advanced Options";
    static constexpr const char* kNoOptions = "No Advanced Options";
    // The dialog keeps one edit text per key.
    static constexpr std::size_t kMaxRows = 32;

    AdvancedOptions(dlldata& block, ModuleCaller& caller, ModuleCatalog& catalog,
                    AlgorithmKeys& keys) noexcept
        : block_(block), caller_(caller), catalog_(catalog), keys_(keys) {}

    // Builds the rows for the applied chip (null: none). Without a module or
    // a key table reports "No Advanced Options" and returns false.
    [[nodiscard]] bool open(const ChipDescription* appliedChip);
    [[nodiscard]] bool isOpen() const noexcept { return open_; }

    [[nodiscard]] const std::vector<AdvancedOptionRow>& rows() const noexcept { return rows_; }
    [[nodiscard]] const std::vector<AlgorithmItem>& algorithmItems() const noexcept {
        return items_;
    }
    // The list's selected item: the one of the current algorithm number.
    [[nodiscard]] std::optional<std::size_t> algorithmSelection() const noexcept;

    // The user picks list item `item`: its algorithm becomes current, the
    // keys take its values and the edits show them.
    void chooseAlgorithm(std::size_t item);
    // The user types into the edit of `row`; false for the list or a
    // disabled edit, which keep their texts.
    bool setEditText(std::size_t row, std::string text);

    // OK: the edits' values go into the key table and the module is told.
    // An editable key's text that is not one whole constant fitting in 32
    // bits (binary digits for a binary key) refuses OK instead: nothing is
    // applied, the dialog stays open, and the first such row is returned.
    // Taking it as 0, or as its low 32 bits, would hand the module a timing
    // or mode the user never asked for.
    [[nodiscard]] std::optional<RefusedKeyValue> accept();
    // Cancel, or closing the dialog otherwise.
    void cancel();

private:
    void buildRows(const std::vector<CfgKey>& keys);
    void buildAlgorithmItems(const ChipDescription* appliedChip);
    void refreshEditTexts();

    dlldata& block_;
    ModuleCaller& caller_;
    ModuleCatalog& catalog_;
    AlgorithmKeys& keys_;
    bool open_ = false;
    std::vector<AdvancedOptionRow> rows_;
    std::vector<AlgorithmItem> items_;
    std::vector<CfgKey> savedTable_;  // for Cancel
    std::uint8_t savedAlgorithm_ = 0;
};

}  // namespace veldrix
