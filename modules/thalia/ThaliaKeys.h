#pragma once
// thalia's configuration key table, in the order the program shows it.

#include "dlldata.h"

namespace veldrix::thalia {

enum KeyIndex {
    kProgramPulseKey,  // "tppw": programming pulse, µs
    kFirstEraseKey,    // "tepw1": first erase command pulse, µs
    kSecondEraseKey,   // "tepw2": second erase command pulse, µs
    kEraseOfferedKey,  // "erase": nonzero offers Erase after chip selection
    kKeyCount,
};

extern CfgKey gThaliaKeys[kKeyCount + 1];

}  // namespace veldrix::thalia
