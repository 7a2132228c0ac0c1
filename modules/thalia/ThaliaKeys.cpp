#include "ThaliaKeys.h"

#include "ConfigKey.h"

namespace veldrix::thalia {

using module::configKey;

constinit CfgKey gThaliaKeys[kKeyCount + 1] = {
    configKey('D', "tppw", 50, 50, 100000),
    configKey('D', "tepw1", 50, 50, 100000),
    configKey('D', "tepw2", 100000, 100000, 1000000),
    configKey('D', "erase", 1, 1, 1),
    module::kEndOfKeys,
};

}  // namespace veldrix::thalia
