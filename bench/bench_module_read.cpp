// A chip family module reading a whole chip through the parlink driver and the
// simulated board: calypso on its 512 KB row, thalia on a 64 KB chip. The
// board's clock is the simulator's manual one, advanced by the call block's
// delay, so the mandated waits cost no time and what is measured is the
// software path alone (module, call block, driver, port access, board model).
// A real ISA parallel port takes about 1 µs per register access; this path
// must stay far below that.
//
// Run from the build tree (the run_benchmarks target does): the driver and
// the modules are loaded by their paths relative to it.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "dlldata.h"
#include "platform/DynamicLibrary.h"
#include "vxsim.h"

namespace {

// The program's side of the call block, reduced to what a Read needs.
struct Host {
    dd_bdport_fn driverPort = nullptr;
    dd_driver_voltage_fn driverVoltage = nullptr;
    vxsim_clock_advance_fn advanceClock = nullptr;
    std::vector<std::uint8_t> buffer;
    std::uint64_t busWords = 0;
    std::uint64_t waitedMicroseconds = 0;
};
Host host;

std::uint8_t countingPort(std::uint32_t word) {
    ++host.busWords;
    return host.driverPort(word);
}
void boardClockDelay(std::uint32_t microseconds) {
    host.waitedMicroseconds += microseconds;
    host.advanceClock(microseconds);
}
std::uint8_t getbyte(std::uint32_t a) {
    return a < host.buffer.size() ? host.buffer[a] : 0xFF;
}
std::uint32_t putbyte(std::uint32_t a, std::uint32_t v) {
    if (a >= host.buffer.size()) {
        return 0;
    }
    host.buffer[a] = static_cast<std::uint8_t>(v);
    return 1;
}
std::uint8_t* getpage(std::uint32_t, std::uint32_t) {
    return nullptr;
}
std::uint32_t spare() {
    return 0;
}
std::uint32_t mark(std::uint32_t, std::uint32_t) {
    return 1;
}
std::uint32_t progress(std::int32_t, std::uint32_t) {
    return 0;
}
std::uint16_t voltage(std::uint32_t vcc, std::uint32_t vpp, std::uint32_t vid) {
    return static_cast<std::uint16_t>(host.driverVoltage(static_cast<std::int32_t>(vcc),
                                                         static_cast<std::int32_t>(vpp),
                                                         static_cast<std::int32_t>(vid)));
}
std::uint32_t msgbox(std::uint32_t, const char*, ...) {
    return DD_IDOK;
}
void status(const char*, ...) {}

// The driver and its board, bound once for the whole program.
class Rig {
public:
    Rig() : driver_("Hardware/parlink.so") {
        auto init = driver_.function<dd_driver_init_fn>("init");
        host.driverPort = driver_.function<dd_bdport_fn>("bdport");
        host.driverVoltage = driver_.function<dd_driver_voltage_fn>("voltage");
        host.advanceClock = driver_.function<vxsim_clock_advance_fn>("vxsim_clock_advance");
        insert_ = driver_.function<vxsim_insert_fn>("vxsim_insert");
        auto manual = driver_.function<vxsim_clock_manual_fn>("vxsim_clock_manual");
        auto* portadr = driver_.data<std::uint16_t>("portadr");
        if (!init || !host.driverPort || !host.driverVoltage || !host.advanceClock || !insert_ ||
            !manual || !portadr) {
            problem_ = "Hardware/parlink.so: " +
                       (driver_.loaded() ? std::string("exports missing") : driver_.error());
            return;
        }
        manual(1);
        *portadr = VXSIM_BASE_ADDRESS;
        if (init() != 0) {
            problem_ = "the simulated board did not answer init";
        }
    }

    [[nodiscard]] const std::string& problem() const { return problem_; }
    [[nodiscard]] bool insert(int kind, std::uint32_t size) const {
        return insert_(kind, size, nullptr) == 0;
    }

private:
    veldrix::platform::DynamicLibrary driver_;
    vxsim_insert_fn insert_ = nullptr;
    std::string problem_;
};

dlldata makeBlock() {
    dlldata block{};
    block._size = DD_RECORD_SIZE;
    block.signature = DD_SIGNATURE;
    block.bits = 8;
    block.vcc = 50;
    block.vpp = 120;
    block.vid = 120;
    block.bdport = &countingPort;
    block.delay = &boardClockDelay;
    block.getbyte = &getbyte;
    block.putbyte = &putbyte;
    block.getpage = &getpage;
    block.spare = &spare;
    block.mark = &mark;
    block.progress = &progress;
    block.voltage = &voltage;
    block.msgbox = &msgbox;
    block.status = &status;
    return block;
}

void readWholeChip(benchmark::State& state, const char* module, int kind, std::uint32_t size) {
    static Rig rig;
    if (!rig.problem().empty()) {
        state.SkipWithError(rig.problem().c_str());
        return;
    }
    veldrix::platform::DynamicLibrary library(std::string("Modules for 0.04/tessaro/") + module +
                                              ".so");
    const auto dmain = library.function<dd_entry_fn>("dmain");
    if (dmain == nullptr || !rig.insert(kind, size)) {
        state.SkipWithError("module or chip not available");
        return;
    }
    dlldata block = makeBlock();
    block.funcode = DD_FN_IDENTIFY;
    dmain(&block);
    block.size = size;
    block.funcode = DD_FN_SELECT;
    if (dmain(&block) != DD_OK) {
        state.SkipWithError("the module refused the chip size");
        return;
    }
    host.buffer.assign(size, 0);
    host.busWords = 0;
    host.waitedMicroseconds = 0;
    for (auto _ : state) {
        block.funcode = DD_FN_READ;
        benchmark::DoNotOptimize(dmain(&block));
    }
    const auto reads = static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
    // Seconds per byte read, printed with an SI prefix (n for nanoseconds).
    state.counters["time_per_byte"] =
        benchmark::Counter(reads * size, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["bus_words_per_s"] =
        benchmark::Counter(static_cast<double>(host.busWords), benchmark::Counter::kIsRate);
    state.counters["bus_words_per_byte"] = static_cast<double>(host.busWords) / (reads * size);
    state.counters["mandated_wait_us"] = static_cast<double>(host.waitedMicroseconds) / reads;
}

void BM_CalypsoRead512K(benchmark::State& state) {
    readWholeChip(state, "calypso", VXSIM_KIND_EEPROM, 524288);
}
void BM_ThaliaRead64K(benchmark::State& state) {
    readWholeChip(state, "thalia", VXSIM_KIND_MUX_EPROM, 65536);
}

BENCHMARK(BM_CalypsoRead512K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThaliaRead64K)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
