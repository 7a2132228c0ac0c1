// Bus words per second through the built parlink driver into the simulated
// board: the software path that stands where a real port's register
// accesses (about a microsecond each on an ISA parallel port) would be.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "dlldata.h"
#include "platform/DynamicLibrary.h"
#include "vxsim.h"

namespace {

using veldrix::platform::DynamicLibrary;

// Hardware/parlink.so of the build tree: beside the working directory the
// benchmarks run in, or beside this program's folder.
std::string parlinkPath() {
    const std::filesystem::path local = "Hardware/parlink.so";
    if (std::filesystem::exists(local)) {
        return std::filesystem::absolute(local).string();
    }
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return (self.parent_path().parent_path() / local).string();
}

class BoundParlink {
public:
    BoundParlink() : library_(parlinkPath()) {
        if (!library_.loaded()) {
            return;
        }
        *library_.data<std::uint16_t>("portadr") = VXSIM_BASE_ADDRESS;
        bdport = library_.function<dd_bdport_fn>("bdport");
        voltage = library_.function<dd_driver_voltage_fn>("voltage");
        ready_ = library_.function<dd_driver_init_fn>("init")() == 0 &&
                 library_.function<vxsim_insert_fn>("vxsim_insert")(VXSIM_KIND_EEPROM, 524288,
                                                                    nullptr) == VXSIM_OK;
    }
    [[nodiscard]] bool ready() const { return ready_; }
    [[nodiscard]] std::string why() const {
        return library_.loaded() ? "parlink did not bind the simulated board" : library_.error();
    }

    dd_bdport_fn bdport = nullptr;
    dd_driver_voltage_fn voltage = nullptr;

private:
    DynamicLibrary library_;
    bool ready_ = false;
};

BoundParlink& parlink() {
    // The board keeps nothing of the benchmark: contents go to a scratch folder.
    static const bool scratch = [] {
        const auto dir = std::filesystem::temp_directory_path() / "veldrix-bench-sim";
        return setenv("VELDRIX_SIM_DIR", dir.c_str(), 1) == 0;
    }();
    (void)scratch;
    static BoundParlink bound;
    return bound;
}

// The words a module sends before it reads the chip: the opening latch
// words, the voltages (tenths of a volt) and the chip powered.
void powerChipForRead(BoundParlink& driver) {
    for (std::uint32_t word : {0x8780u, 0x8600u, 0x8582u}) {
        driver.bdport(word);
    }
    driver.voltage(50, 125, 140);
    driver.bdport(0x0F80);
}

// Latch writes that the cache cannot skip: the address latch alternates.
void BM_LatchWrite(benchmark::State& state) {
    BoundParlink& driver = parlink();
    if (!driver.ready()) {
        state.SkipWithError(driver.why().c_str());
        return;
    }
    std::uint32_t data = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.bdport(0x0900 | (data++ & 0xFF)));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LatchWrite);

// Reads of the chip's data lines from a powered EEPROM.
void BM_DataLineRead(benchmark::State& state) {
    BoundParlink& driver = parlink();
    if (!driver.ready()) {
        state.SkipWithError(driver.why().c_str());
        return;
    }
    powerChipForRead(driver);
    driver.bdport(0x0B88);
    for (auto _ : state) {
        benchmark::DoNotOptimize(driver.bdport(0x0E00));
    }
    state.SetItemsProcessed(state.iterations());
    driver.bdport(0x0000);
}
BENCHMARK(BM_DataLineRead);

// A whole byte read of a 512 KB part as its module sends it: three address
// words and the data-line read per byte.
void BM_EepromByteRead(benchmark::State& state) {
    BoundParlink& driver = parlink();
    if (!driver.ready()) {
        state.SkipWithError(driver.why().c_str());
        return;
    }
    powerChipForRead(driver);
    std::uint32_t address = 0;
    for (auto _ : state) {
        driver.bdport(0x0900 | (address & 0xFF));
        driver.bdport(0x0100 | ((address >> 8) & 0xFF));
        driver.bdport(0x0B88 | ((address >> 16) & 0x07));
        benchmark::DoNotOptimize(driver.bdport(0x0E00));
        address = (address + 1) & 0x7FFFF;
    }
    state.SetItemsProcessed(state.iterations() * 4);
    state.counters["bytes/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    driver.bdport(0x0000);
}
BENCHMARK(BM_EepromByteRead);

}  // namespace

BENCHMARK_MAIN();
