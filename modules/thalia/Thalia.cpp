// thalia's one export.

#include "ModuleExport.h"
#include "ThaliaModule.h"

VELDRIX_MODULE_ENTRY(veldrix::thalia::kThaliaModule);
