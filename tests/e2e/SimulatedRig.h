#pragma once
// The real parlink driver, loaded as the program loads it, with its port set
// to the simulated board, and the simulator's C interface that the driver
// exports. The board's clock is manual: the call block's delay advances it,
// so pulse lengths are checked without the test waiting for them.

#include <cstdint>
#include <string>
#include <vector>

#include "RecordingCallBlock.h"
#include "TempDir.h"
#include "platform/DynamicLibrary.h"
#include "vxsim.h"

namespace veldrix::test {

class SimulatedRig {
public:
    // Loaded once per test program; its contents files live in a temporary
    // directory for the whole run.
    static SimulatedRig& instance();

    // Empty when the driver loaded, exports what it should and found the board.
    [[nodiscard]] const std::string& problem() const { return problem_; }

    // The module's chip of `size` bytes, every cell erased, faults cleared.
    [[nodiscard]] int insertErased(const std::string& module, std::uint32_t size) const;
    [[nodiscard]] int removeChip() const { return remove_(); }

    // The stored cells, bypassing the chip's protocol and its faults.
    [[nodiscard]] std::vector<std::uint8_t> contents() const;
    [[nodiscard]] int store(std::uint32_t address, const std::vector<std::uint8_t>& bytes) const;

    [[nodiscard]] int stuckBit(std::uint32_t address, int bit, int level) const {
        return stuckBit_(address, bit, level);
    }
    [[nodiscard]] int slowCell(std::uint32_t address, std::uint32_t pulses) const {
        return slowCell_(address, pulses);
    }
    [[nodiscard]] int writeTime(std::uint32_t microseconds) const {
        return writeTime_(microseconds);
    }

    // The driver's bdport straight into the block (as the program binds it),
    // voltage through the block's callback, delays onto the board's clock.
    void attach(RecordingCallBlock& host) const;

private:
    SimulatedRig();
    template <class T>
    T lookup(const char* name);

    TempDir dataDir_;
    std::string emptyImage_;
    platform::DynamicLibrary driver_;
    std::string problem_;

    dd_bdport_fn bdport_ = nullptr;
    dd_driver_voltage_fn voltage_ = nullptr;
    vxsim_insert_for_module_fn insert_ = nullptr;
    vxsim_void_fn remove_ = nullptr;
    vxsim_chip_size_fn chipSize_ = nullptr;
    vxsim_read_fn read_ = nullptr;
    vxsim_write_fn write_ = nullptr;
    vxsim_fault_stuck_bit_fn stuckBit_ = nullptr;
    vxsim_fault_slow_cell_fn slowCell_ = nullptr;
    vxsim_fault_write_time_fn writeTime_ = nullptr;
    vxsim_clock_advance_fn clockAdvance_ = nullptr;
};

}  // namespace veldrix::test
