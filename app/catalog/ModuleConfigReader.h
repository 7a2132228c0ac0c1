#pragma once
// Reads the text of a module configuration file into the catalogue.

#include <string_view>

#include "catalog/ModuleCatalog.h"
#include "catalog/ParseNumber.h"

namespace veldrix {

// Replaces the chips and algorithm definitions of `catalog` by those of
// `text` (the default algorithm stays). Reading stops quietly at an unknown
// word where a record should begin or at a key without "="; what was read
// before stays. `report` receives the message of a constant too large for
// 32 bits.
void ParseModuleConfig(ModuleCatalog& catalog, std::string_view text,
                       const MessageSink& report = {});

}  // namespace veldrix
