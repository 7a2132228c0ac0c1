#pragma once
// urania as the module frame sees it: identity, chip selection and the table of
// its functions.

#include "ModuleDescription.h"

namespace veldrix::urania {

extern const module::ModuleDescription kUraniaModule;

}  // namespace veldrix::urania
