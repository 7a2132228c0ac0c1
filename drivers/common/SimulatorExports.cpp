// The simulator's C interface, exported by every driver: every call answers
// with a result code, and no C++ exception leaves it.

#include <string_view>

#include "ChipFactory.h"
#include "Simulator.h"
#include "common/CBoundary.h"
#include "vxsim.h"

namespace {

using veldrix::sim::ChipKind;
using veldrix::sim::Simulator;

template <class Body>
int guarded(Body&& body) noexcept {
    return veldrix::drivers::answerOr(VXSIM_ERR_INTERNAL,
                                      [&body] { return body(Simulator::instance()); });
}

}  // namespace

extern "C" {

int vxsim_insert(int kind, uint32_t size, const char* image_path) {
    return guarded(
        [&](Simulator& sim) { return sim.insert(static_cast<ChipKind>(kind), size, image_path); });
}

int vxsim_insert_for_module(const char* module, uint32_t size, const char* image_path) {
    if (module == nullptr) {
        return VXSIM_ERR_KIND;
    }
    return guarded([&](Simulator& sim) {
        return sim.insert(veldrix::sim::kindForModule(std::string_view(module)), size, image_path);
    });
}

int vxsim_remove(void) {
    return guarded([](Simulator& sim) { return sim.remove(); });
}

int vxsim_chip_kind(void) {
    return guarded([](Simulator& sim) {
        const auto* chip = sim.board().chip();
        return static_cast<int>(chip != nullptr ? chip->kind() : ChipKind::None);
    });
}

uint32_t vxsim_chip_size(void) {
    return veldrix::drivers::answerOr(uint32_t{0}, [] {
        const auto* chip = Simulator::instance().board().chip();
        return chip != nullptr ? chip->size() : uint32_t{0};
    });
}

int vxsim_read(uint32_t address, uint8_t* bytes, uint32_t length) {
    return guarded([&](Simulator& sim) { return sim.read(address, bytes, length); });
}

int vxsim_write(uint32_t address, const uint8_t* bytes, uint32_t length) {
    return guarded([&](Simulator& sim) { return sim.write(address, bytes, length); });
}

int vxsim_save(void) {
    return guarded([](Simulator& sim) { return sim.save(); });
}

int vxsim_set_identifier(uint8_t maker, uint8_t device) {
    return guarded([&](Simulator& sim) { return sim.setIdentifier(maker, device); });
}

int vxsim_fault_stuck_bit(uint32_t address, int bit, int level) {
    return guarded([&](Simulator& sim) { return sim.addStuckBit(address, bit, level); });
}

int vxsim_fault_slow_cell(uint32_t address, uint32_t pulses) {
    return guarded([&](Simulator& sim) { return sim.addSlowCell(address, pulses); });
}

int vxsim_fault_write_time(uint32_t microseconds) {
    return guarded([&](Simulator& sim) { return sim.setWriteTime(microseconds); });
}

int vxsim_fault_data_line(int bit, int level) {
    return guarded([&](Simulator& sim) { return sim.holdDataLine(bit, level); });
}

int vxsim_fault_address_line(int bit, int level) {
    return guarded([&](Simulator& sim) { return sim.holdAddressLine(bit, level); });
}

int vxsim_fault_intermittent_bit(int bit, uint32_t seed) {
    return guarded([&](Simulator& sim) { return sim.makeBitIntermittent(bit, seed); });
}

int vxsim_fault_board_absent(void) {
    return guarded([](Simulator& sim) { return sim.removeBoard(); });
}

int vxsim_fault_status_line(int line, int level) {
    return guarded([&](Simulator& sim) { return sim.holdStatusLine(line, level); });
}

int vxsim_clear_faults(void) {
    return guarded([](Simulator& sim) { return sim.clearFaults(); });
}

void vxsim_clock_manual(int on) {
    (void)guarded([&](Simulator& sim) {
        sim.clock().setManual(on != 0);
        return VXSIM_OK;
    });
}

void vxsim_clock_advance(uint32_t microseconds) {
    (void)guarded([&](Simulator& sim) {
        sim.clock().advance(microseconds);
        return VXSIM_OK;
    });
}

int vxsim_trace_open(const char* path) {
    return guarded([&](Simulator& sim) { return sim.openTrace(path); });
}

int vxsim_trace_close(void) {
    return guarded([](Simulator& sim) { return sim.closeTrace(); });
}

}  // extern "C"
