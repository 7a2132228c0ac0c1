#pragma once
// The one symbol a chip family module publishes; everything else stays hidden
// (the version script enforces the same at link time).

#include <cstdint>
#include <type_traits>

#include "ModuleEntry.h"
#include "dlldata.h"

#define VELDRIX_MODULE_EXPORT extern "C" __attribute__((visibility("default")))

// Defines the module's entry, dmain, answering every call from `description`.
#define VELDRIX_MODULE_ENTRY(description)                             \
    VELDRIX_MODULE_EXPORT std::int32_t dmain(dlldata* block) {        \
        return veldrix::module::runModuleEntry(block, (description)); \
    }                                                                 \
    static_assert(std::is_same_v<decltype(&dmain), dd_entry_fn>)
