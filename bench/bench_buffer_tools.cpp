// The buffer digests on a 16 MiB image, beside zlib's crc32() and OpenSSL's
// MD5 called directly on the same bytes as reference points.

#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <zlib.h>

#include <cstdint>
#include <memory>

#include "buffer/BufferTools.h"
#include "buffer/DataBuffer.h"
#include "dlldata.h"

namespace {

constexpr std::uint32_t kImageBytes = 16u * 1024 * 1024;

// One chip-sized image of varied bytes, shared by every benchmark.
class BenchImage {
public:
    BenchImage() {
        block_.size = kImageBytes;
        block_.blank = 0xFF;
        buffer_.SetBuffers();
        std::uint32_t state = 0x12345678;
        for (std::uint32_t i = 0; i < buffer_.length(); ++i) {
            state = state * 1664525u + 1013904223u;
            buffer_.data()[i] = static_cast<std::uint8_t>(state >> 24);
        }
    }
    veldrix::DataBuffer& buffer() { return buffer_; }

private:
    dlldata block_{};
    veldrix::DataBuffer buffer_{block_};
};

BenchImage& image() {
    static BenchImage shared;
    return shared;
}

void countBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kImageBytes);
}

void BM_CheckSum(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(veldrix::BufferCheckSum(image().buffer()));
    }
    countBytes(state);
}

void BM_Crc32(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(veldrix::BufferCrc32(image().buffer()));
    }
    countBytes(state);
}

void BM_ZlibCrc32Direct(benchmark::State& state) {
    const std::uint8_t* bytes = image().buffer().data();
    for (auto _ : state) {
        benchmark::DoNotOptimize(crc32(0L, bytes, kImageBytes));
    }
    countBytes(state);
}

void BM_Md5(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(veldrix::BufferMd5(image().buffer()));
    }
    countBytes(state);
}

void BM_OpenSslMd5Direct(benchmark::State& state) {
    const std::uint8_t* bytes = image().buffer().data();
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(),
                                                                    &EVP_MD_CTX_free);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int digestLength = 0;
    for (auto _ : state) {
        EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr);
        EVP_DigestUpdate(context.get(), bytes, kImageBytes);
        EVP_DigestFinal_ex(context.get(), digest, &digestLength);
        benchmark::DoNotOptimize(digest);
    }
    countBytes(state);
}

BENCHMARK(BM_CheckSum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Crc32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZlibCrc32Direct)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Md5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenSslMd5Direct)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
