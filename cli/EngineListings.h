#pragma once
// The listings of veldrix-cli, taken from the engine's state.

#include <cstdint>
#include <vector>

#include "Listing.h"
#include "catalog/AdvancedOptions.h"
#include "catalog/ModuleCatalog.h"
#include "ports/PortList.h"

namespace veldrix::cli {

// The four hardware families; `current` is the family index in use.
[[nodiscard]] Listing familyListing(unsigned current);

// The ports of the list that a family of `portmask` can use (the list
// also holds the other kinds); the current one marked.
[[nodiscard]] Listing portListing(const PortList& ports, std::uint16_t portmask);

// The modules found for the family; `current` is the module in use.
[[nodiscard]] Listing moduleListing(const std::vector<std::string>& names,
                                    const std::string& current);

// Every chip of the catalogue with every field of its description.
[[nodiscard]] Listing chipListing(const ModuleCatalog& catalog);

// The write algorithms the applied chip can use, the selected one marked.
[[nodiscard]] Listing algorithmListing(const AdvancedOptions& options);

// The configuration keys with their kinds and values in the kind's form.
[[nodiscard]] Listing keyListing(const AdvancedOptions& options);

}  // namespace veldrix::cli
