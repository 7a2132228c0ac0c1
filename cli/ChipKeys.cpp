#include "ChipKeys.h"

#include <optional>
#include <ostream>
#include <string>

#include "EngineListings.h"
#include "catalog/AdvancedOptions.h"
#include "catalog/KeyValue.h"
#include "core/Application.h"

namespace veldrix::cli {
namespace {

// The last entry that matches, as a later entry of a name wins.
template <class Entries, class Matches>
std::optional<std::size_t> lastMatch(const Entries& entries, Matches matches) {
    std::optional<std::size_t> found;
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (matches(entries[index])) {
            found = index;
        }
    }
    return found;
}

}  // namespace

ExitCode applyChipKeys(Application& app, const CliOptions& options, CommandOutput& output) {
    if (!options.algorithm && options.keys.empty()) {
        return ExitCode::Success;
    }
    AdvancedOptions dialog = app.advancedOptions();
    if (!dialog.open(app.modules().appliedChip())) {
        return output.fail(ExitCode::Usage, "the chip has no write algorithms or keys to set");
    }
    if (options.algorithm) {
        const std::optional<std::size_t> item = lastMatch(
            dialog.algorithmItems(),
            [&](const AlgorithmItem& candidate) { return candidate.number == *options.algorithm; });
        if (!item) {
            dialog.cancel();
            return output.fail(ExitCode::Usage, "the chip has no write algorithm " +
                                                    std::to_string(*options.algorithm));
        }
        dialog.chooseAlgorithm(*item);
    }
    for (const auto& key : options.keys) {
        // Named, not bound: clang before 16 cannot capture a structured binding.
        const std::string& name = key.first;
        const std::string& value = key.second;
        const std::optional<std::size_t> row =
            lastMatch(dialog.rows(), [&](const AdvancedOptionRow& candidate) {
                return !candidate.algorithmList && candidate.name == name;
            });
        if (!row || !dialog.rows()[*row].enabled) {
            dialog.cancel();
            return output.fail(ExitCode::Usage,
                               "the chip has no editable configuration key '" + name + "'");
        }
        const char kind = dialog.rows()[*row].kind;
        if (!parseKeyValue(kind, value) || !dialog.setEditText(*row, value)) {
            dialog.cancel();
            return output.fail(ExitCode::Usage, "--key " + name + ": '" + value +
                                                    "' is not a value of the key; it takes " +
                                                    keyValueForm(kind));
        }
    }
    if (const std::optional<RefusedKeyValue> refused = dialog.accept()) {
        dialog.cancel();
        return output.fail(ExitCode::Usage, refused->message);
    }
    return ExitCode::Success;
}

ExitCode showChipKeys(Application& app, CommandOutput& output) {
    AdvancedOptions dialog = app.advancedOptions();
    if (!dialog.open(app.modules().appliedChip())) {
        return output.fail(ExitCode::FailedChipUnchanged, "the module publishes no keys");
    }
    const Listing algorithms = algorithmListing(dialog);
    const Listing keys = keyListing(dialog);
    dialog.cancel();
    if (output.json()) {
        QJsonObject object;
        object.insert("algorithm", app.callBlock().wralg);
        object.insert("algorithms", algorithms.json());
        object.insert("keys", keys.json());
        output.printJson(QJsonDocument(object));
    } else {
        output.text() << "Write algorithm " << int{app.callBlock().wralg} << "\n\n"
                      << algorithms.table() << '\n'
                      << keys.table() << std::flush;
    }
    return ExitCode::Success;
}

}  // namespace veldrix::cli
