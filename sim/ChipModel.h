#pragma once
// A chip in the board's socket: it follows the board's lines and answers on
// the data lines.

#include <cstdint>

#include "AccessTime.h"
#include "BoardLines.h"
#include "ChipMemory.h"

namespace veldrix::sim {

// Values of the C interface's VXSIM_KIND_*.
enum class ChipKind { None = 0, Microwire = 1, Eeprom = 2, MuxEprom = 3 };

class ChipModel {
public:
    explicit ChipModel(std::uint32_t size) : memory_(size) {}
    virtual ~ChipModel() = default;
    ChipModel(const ChipModel&) = delete;
    ChipModel& operator=(const ChipModel&) = delete;

    [[nodiscard]] virtual ChipKind kind() const noexcept = 0;
    [[nodiscard]] virtual bool powered(const BoardLines& lines) const noexcept = 0;
    // Called after every latch write; read `now` only where the time matters.
    virtual void linesChanged(const BoardLines& lines, const AccessTime& now) = 0;
    // The data lines while the board does not drive them: what the chip puts
    // out, the bias where it puts out nothing, low where an unpowered chip
    // clamps them.
    [[nodiscard]] virtual std::uint8_t dataLines(const BoardLines& lines,
                                                 const AccessTime& now) const = 0;

    // Identifier codes; false for a chip without an identifier mode.
    virtual bool setIdentifier(std::uint8_t /*maker*/, std::uint8_t /*device*/) { return false; }
    // Self-timed write time; false for a chip that has none.
    virtual bool setWriteTime(std::uint32_t /*microseconds*/) { return false; }

    [[nodiscard]] std::uint32_t size() const noexcept { return memory_.size(); }
    [[nodiscard]] ChipMemory& memory() noexcept { return memory_; }
    [[nodiscard]] const ChipMemory& memory() const noexcept { return memory_; }

private:
    ChipMemory memory_;
};

}  // namespace veldrix::sim
