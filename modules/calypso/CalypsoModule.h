#pragma once
// calypso as the module frame sees it: identity, chip selection and the table
// of its functions.

#include "ModuleDescription.h"

namespace veldrix::calypso {

extern const module::ModuleDescription kCalypsoModule;

}  // namespace veldrix::calypso
