#pragma once
// One named 32-bit value of a chip or an algorithm definition; a module's
// configuration key of the same name takes it.

#include <cstdint>

#include "catalog/NameField.h"

namespace veldrix {

struct CfgParam {
    NameField name;
    std::uint32_t value = 0;
};

}  // namespace veldrix
