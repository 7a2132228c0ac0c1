// Writing and reading a 4 MiB image as Intel HEX and as S-records. The
// figures count image bytes, not text bytes, so both directions compare with
// the goal of 100 MiB/s of image.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "VariedBytes.h"
#include "buffer/IntelHexReader.h"
#include "buffer/IntelHexWriter.h"
#include "buffer/SRecordReader.h"
#include "buffer/SRecordWriter.h"

namespace {

constexpr std::size_t kImageBytes = 4u * 1024 * 1024;

const std::vector<std::uint8_t>& image() {
    static const std::vector<std::uint8_t> bytes = bench::variedBytes(kImageBytes);
    return bytes;
}

void countImageBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kImageBytes);
}

template <auto Write>
void BM_Write(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Write(image()));
    }
    countImageBytes(state);
}

template <auto Write, auto Read>
void BM_Read(benchmark::State& state) {
    const std::string text = Write(image());
    for (auto _ : state) {
        const veldrix::ImageReadResult result =
            Read(text, kImageBytes, veldrix::ImageExtent::Whole);
        if (!result.ok()) {
            state.SkipWithError("the writer's text did not read back");
            break;
        }
        benchmark::DoNotOptimize(result.image.data());
    }
    countImageBytes(state);
}

BENCHMARK(BM_Write<veldrix::writeIntelHex>)->Name("IntelHexWrite")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read<veldrix::writeIntelHex, veldrix::readIntelHex>)
    ->Name("IntelHexRead")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write<veldrix::writeSRecord>)->Name("SRecordWrite")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read<veldrix::writeSRecord, veldrix::readSRecord>)
    ->Name("SRecordRead")
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
