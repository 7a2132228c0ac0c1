#include "PortEntry.h"

namespace veldrix::drivers {

const PortEntry kLptPorts[3] = {
    {0x378, &kLptPorts[1], "LPT1 - 0x378", "LPT1", 0, kParallelPortKind},
    {0x278, &kLptPorts[2], "LPT2 - 0x278", "LPT2", 1, kParallelPortKind},
    {0x3BC, nullptr, "LPT3 - 0x3BC", "LPT3", 2, kParallelPortKind},
};

}  // namespace veldrix::drivers
