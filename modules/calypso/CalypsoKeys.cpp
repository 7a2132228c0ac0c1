#include "CalypsoKeys.h"

#include "ConfigKey.h"

namespace veldrix::calypso {

using module::configKey;

constinit CfgKey gCalypsoKeys[kKeyCount + 1] = {
    configKey('D', "WrAlg", 0, 0, 10),
    configKey('D', "Vccp", 50, 50, 70),
    configKey('D', "Vccv", 45, 45, 60),
    configKey('D', "Tpw", 100, 100, 50000),
    configKey('D', "Nnum", 25, 25, 50),
    configKey('d', "Nmul", 1, 1, 1000),
    module::kEndOfKeys,
};

}  // namespace veldrix::calypso
