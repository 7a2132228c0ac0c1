#pragma once
// thalia as the module frame sees it: identity, chip selection and the table of
// its functions.

#include "ModuleDescription.h"

namespace veldrix::thalia {

extern const module::ModuleDescription kThaliaModule;

}  // namespace veldrix::thalia
