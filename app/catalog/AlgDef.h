#pragma once
// A named set of algorithm parameters from a module's configuration file.

#include "catalog/CfgParamList.h"
#include "catalog/NameField.h"

namespace veldrix {

struct AlgDef {
    NameField name;
    CfgParamList params;
};

}  // namespace veldrix
