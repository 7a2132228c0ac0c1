#pragma once
// A fault of the simulated board as a user writes it (the command line's
// --sim-fault), read into a value and given to the bound driver's board:
//
//   stuck:ADDRESS:BIT:LEVEL   bit BIT (0-7) of the cell at ADDRESS reads LEVEL
//   dataline:BIT:LEVEL        data line BIT reads LEVEL (0, 1) at every address
//   addrline:BIT:LEVEL        address line BIT (0-31) is held at LEVEL, so the
//                             two halves of the chip that differ in it alias
//   intermittent:BIT:SEED     data line BIT reads a random level on every read,
//                             from a generator seeded with SEED (32 bits)
//   statusline:LINE:LEVEL     status register bit LINE (3-7) reads LEVEL
//   absent                    the board is gone: the port answers as an empty one
//
// Numbers in any form the program reads elsewhere: 31, 0x1F, 1Fh, $1F.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/SimulatorControl.h"

namespace veldrix {

enum class SimulatedFaultKind {
    StuckBit,
    DataLine,
    AddressLine,
    IntermittentBit,
    StatusLine,
    BoardAbsent,
};

struct SimulatedFault {
    SimulatedFaultKind kind = SimulatedFaultKind::BoardAbsent;
    std::uint32_t address = 0;  // the cell of a stuck bit
    unsigned line = 0;          // the data bit, address line or status line
    unsigned level = 0;         // 0 or 1
    std::uint32_t seed = 0;     // of an intermittent line

    friend bool operator==(const SimulatedFault&, const SimulatedFault&) = default;
};

// Every form, for a usage message.
inline constexpr std::string_view kSimulatedFaultForms =
    "stuck:ADDRESS:BIT:LEVEL, dataline:BIT:LEVEL, addrline:BIT:LEVEL, intermittent:BIT:SEED, "
    "statusline:LINE:LEVEL or absent";

// Nothing unless `text` is one of the forms with every number in range.
// Whether the chip has the cell or the address line is the board's to say.
[[nodiscard]] std::optional<SimulatedFault> parseSimulatedFault(std::string_view text);

// VXSIM_OK, or the board's refusal: VXSIM_ERR_EMPTY without a chip for a
// fault of the chip, VXSIM_ERR_RANGE for a cell or address line it lacks.
[[nodiscard]] int injectSimulatedFault(const SimulatorControl& board, const SimulatedFault& fault);

}  // namespace veldrix
