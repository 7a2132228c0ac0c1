// Find in a 16 MiB buffer for a pattern it does not hold, so that each search
// goes all the way round. Varied bytes are the common case; a buffer of one
// value against a pattern that nearly matches everywhere is the hard one.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "VariedBytes.h"
#include "buffer/ByteSearch.h"
#include "buffer/SearchPattern.h"

namespace {

constexpr std::size_t kBufferBytes = 16u * 1024 * 1024;

const std::vector<std::uint8_t>& variedBuffer() {
    static const std::vector<std::uint8_t> bytes = bench::variedBytes(kBufferBytes);
    return bytes;
}

const std::vector<std::uint8_t>& erasedBuffer() {
    static const std::vector<std::uint8_t> bytes(kBufferBytes, 0xFF);
    return bytes;
}

void search(benchmark::State& state, const std::vector<std::uint8_t>& data, const char* text,
            veldrix::PatternKind kind, veldrix::SearchDirection direction) {
    const veldrix::SearchPattern pattern = veldrix::parseSearchPattern(text, kind);
    for (auto _ : state) {
        const auto hit = veldrix::findPattern(data, pattern.bytes, data.size() / 2, direction);
        if (hit) {
            state.SkipWithError("the pattern was not meant to be found");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBufferBytes);
}

void BM_HexForward(benchmark::State& state) {
    search(state, variedBuffer(), "DE AD BE EF 01", veldrix::PatternKind::HexBytes,
           veldrix::SearchDirection::Forward);
}

void BM_HexBackward(benchmark::State& state) {
    search(state, variedBuffer(), "DE AD BE EF 01", veldrix::PatternKind::HexBytes,
           veldrix::SearchDirection::Backward);
}

void BM_TextForward(benchmark::State& state) {
    search(state, variedBuffer(), "Copyright (C) nobody", veldrix::PatternKind::Text,
           veldrix::SearchDirection::Forward);
}

void BM_NearMatchesEverywhere(benchmark::State& state) {
    search(state, erasedBuffer(), "FE FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF",
           veldrix::PatternKind::HexBytes, veldrix::SearchDirection::Forward);
}

BENCHMARK(BM_HexForward)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HexBackward)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextForward)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NearMatchesEverywhere)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
