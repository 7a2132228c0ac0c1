// urania's one export.

#include "ModuleExport.h"
#include "UraniaModule.h"

VELDRIX_MODULE_ENTRY(veldrix::urania::kUraniaModule);
