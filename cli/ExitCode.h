#pragma once
// The exit status of veldrix-cli: scripts tell outcomes apart by it.

namespace veldrix::cli {

enum class ExitCode : int {
    Success = 0,
    // The operation failed and the chip was left as it was: blank check
    // failed, compare found differences, read or identifier error.
    FailedChipUnchanged = 1,
    // Bad command line: unknown command or option, missing or extra argument.
    Usage = 2,
    // The operation failed after it started changing the chip: write
    // verification, erase, lock, unlock or configuration error.
    FailedChipChanged = 3,
    // Nothing to work with: no usable driver, module directory, module, chip
    // or port.
    NoHardware = 4,
    // A buffer file could not be read or written, or the simulated board
    // could not save the changed chip.
    FileError = 5,
    // The operation was not started: confirmation refused or impossible.
    NotConfirmed = 6,
    // SIGINT or SIGTERM cancelled the operation; the module stopped and
    // powered the board down. 128 + SIGINT, as shells report an interrupt.
    Cancelled = 130,
};

[[nodiscard]] constexpr int toInt(ExitCode code) noexcept {
    return static_cast<int>(code);
}

}  // namespace veldrix::cli
