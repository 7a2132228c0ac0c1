#pragma once
// The simulated programmer board of this library with its socket, the
// persistence of the chip's contents, faults, clock and trace: everything
// the C interface (vxsim.h) offers, with its result codes.

#include <cstdint>
#include <filesystem>
#include <string>

#include "ChipModel.h"
#include "SimBoard.h"
#include "SimClock.h"
#include "TraceWriter.h"

namespace veldrix::sim {

class Simulator {
public:
    // The one board of this driver (or test program), created on first use.
    [[nodiscard]] static Simulator& instance();

    // Starts the trace named by $VELDRIX_SIM_TRACE, if any.
    Simulator();
    // Saves changed contents.
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    [[nodiscard]] SimBoard& board() noexcept { return board_; }
    [[nodiscard]] SimClock& clock() noexcept { return clock_; }

    int insert(ChipKind kind, std::uint32_t size, const char* imagePath);
    int remove();
    int save();
    int read(std::uint32_t address, std::uint8_t* bytes, std::uint32_t length) const;
    int write(std::uint32_t address, const std::uint8_t* bytes, std::uint32_t length);

    int setIdentifier(std::uint8_t maker, std::uint8_t device);
    int addStuckBit(std::uint32_t address, int bit, int level);
    int addSlowCell(std::uint32_t address, std::uint32_t pulses);
    int setWriteTime(std::uint32_t microseconds);
    int holdDataLine(int bit, int level);
    int holdAddressLine(int bit, int level);
    int makeBitIntermittent(int bit, std::uint32_t seed);
    int removeBoard();
    int holdStatusLine(int line, int level);
    // The board's faults always, the chip's when there is one.
    int clearFaults();

    int openTrace(const char* path);
    int closeTrace();

private:
    // Writes changed contents to their file; false when that failed.
    bool saveChanged();
    // VXSIM_OK when [address, address + length) lies in the chip.
    [[nodiscard]] int checkRange(std::uint32_t address, std::uint64_t length) const;
    // VXSIM_OK when a chip is in the socket and bit and level are a data
    // line (0-7) and a level (0, 1).
    [[nodiscard]] int checkDataLine(int bit, int level = 0) const;

    SimClock clock_;
    TraceWriter trace_;
    SimBoard board_;
    std::filesystem::path contentFile_;
};

}  // namespace veldrix::sim
