#pragma once
// calypso's configuration key table, in the order the program shows it.

#include "dlldata.h"

namespace veldrix::calypso {

enum KeyIndex {
    kWrAlgKey,  // selected write algorithm; default and limit bound wralg
    kVccpKey,   // supply during Write, tenths of a volt
    kVccvKey,   // offered to the user; not read here
    kTpwKey,    // programming pulse, µs
    kNnumKey,   // programming pulses per byte at most
    kNmulKey,   // overprogramming pulse = Tpw × Nmul; 0 = none
    kKeyCount,
};

// kKeyCount entries and the end entry; the program writes the values.
extern CfgKey gCalypsoKeys[kKeyCount + 1];

}  // namespace veldrix::calypso
