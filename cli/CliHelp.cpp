#include "CliHelp.h"

namespace veldrix::cli {

std::string helpText() {
    return R"(Usage: veldrix-cli [OPTIONS] COMMAND [FILE]

Reads, writes and checks memory chips through a programmer board, with the
same drivers, chip modules and settings as the VELDRIX program. One command
per invocation.

Commands:
  families         list the hardware families
  ports            list the ports the hardware family can use
  modules          list the chip modules of the hardware family
  chips            list the chips of the module, with every field of their
                   description
  keys             show the chip's write algorithms and configuration keys
                   (after --algorithm and --key are applied)
  read FILE        read the chip into FILE (a raw binary image)
  write FILE       write FILE into the chip; asks "Are you sure?" when the
                   confirmation setting is on, unless --yes is given
  compare FILE     compare the chip with FILE; lists the first differences
  blank            check that the chip is blank
  erase            erase the chip
  id               read the chip's identifier
  test             run the module's test
  lock             lock the chip
  unlock           unlock the chip
  config           run the chip's configuration function
  digest [FILE]    Check sum, CRC32 and MD5 of FILE, or of the chip (read
                   first) when no FILE is given
  help             show this text

Choices (each one is remembered, as the program remembers it):
  --family F       hardware family: 0-3, its directory or its name (tessaro)
  --driver PATH    programmer driver file
  --port LABEL     port: LPT1, COM1, ... or SIM for the simulated board
  --module NAME    chip module (urania, calypso, thalia)
  --chip NAME      chip of the module, by name as "chips" lists it
  --module-root DIR  directory that holds the family directories of modules

Options for this run:
  --force-write, --no-force-write    force the write (setting forcewr)
  --check-write, --no-check-write    verify after writing (setting checkwr)
  --test-insert, --no-test-insert    test the chip's insertion (setting testins)
  --algorithm N    use the chip's write algorithm number N (as "keys" lists)
  --key NAME=VALUE set a configuration key (decimal, 0x1F, 1Fh or $1F; binary
                   keys take binary digits; one whole 32-bit value); repeatable
  -y, --yes        answer every question of the operation affirmatively;
                   without it questions are asked only on a terminal and
                   refused otherwise
  --json           listings and results as one JSON document on standard
                   output, errors included
  --settings FILE  keep the settings in this INI file instead of the user's
                   store (~/.config/Quenby Labs/VELDRIX.conf); made when
                   missing, refused when it cannot be read as INI
  -h, --help       show this text
  --version        show the version

Testing:
  --sim-fault stuck:ADDRESS:BIT:LEVEL
                   on the simulated board, make bit BIT (0-7) of the byte at
                   ADDRESS always read LEVEL (0 or 1) during this run

Progress is drawn on standard error when it is a terminal (percentage and
remaining time). Results go to standard output, status messages to standard
error; an operation that succeeds without a result of its own prints one line
saying what was done ("Chip is blank", "Erased", ...). The simulated board's
chips keep their contents in $VELDRIX_SIM_DIR (default
~/.local/share/VELDRIX/sim).

Exit status:
    0  success
    1  the operation failed and the chip is unchanged (blank check failed,
       differences found, read or identifier error, unsupported operation)
    2  usage error
    3  the operation failed after it began changing the chip (write
       verification failed, erase, lock, unlock or configuration error)
    4  no usable driver, no module directory, no module, no chip, or no such
       port
    5  a FILE could not be read or written, is empty, or is not a regular file
       for read; the --settings file cannot be used; or the simulated board
       could not save the changed chip
    6  not confirmed: the write was refused or could not be asked
  130  cancelled: Ctrl-C (SIGINT) or SIGTERM during the operation stopped it
       and the board was powered down; a written or erased chip may be
       partly changed, and no FILE was written. A second Ctrl-C while the
       cancel is pending ends the program at once

Example on the simulated board:
  veldrix-cli --port SIM --module calypso --chip W27C512 write image.bin --yes
  veldrix-cli read back.bin
  veldrix-cli compare image.bin
  veldrix-cli digest
)";
}

std::string versionText() {
    return "veldrix-cli 0.4\n";
}

}  // namespace veldrix::cli
