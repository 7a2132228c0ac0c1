// calypso's one export.

#include "CalypsoModule.h"
#include "ModuleExport.h"

VELDRIX_MODULE_ENTRY(veldrix::calypso::kCalypsoModule);
