#!/usr/bin/env bash
# The test command: installs what is missing, builds with warnings as errors,
# runs every test through CTest (each benchmark once among them), builds the
# program, plug-ins and simulator once more with clang, then gives each
# fuzzer a short bounded run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELDRIX_WERROR=ON \
  "-DVELDRIX_TEST_COMPILE_OPTIONS=-O1;-g0"
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"

# Only whether clang accepts the program, the plug-ins and the simulator
# counts here, so it builds them without optimisation or debug information,
# which is fastest; the tests were built and run above.
CC=clang CXX=clang++ cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_FLAGS_DEBUG=-O0 -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DVELDRIX_WERROR=ON \
  -DVELDRIX_TESTS=OFF -DVELDRIX_BENCH=OFF
cmake --build build-clang

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELDRIX_FUZZ=ON -DVELDRIX_TESTS=OFF -DVELDRIX_BENCH=OFF -DVELDRIX_WERROR=ON
cmake --build build-fuzz --target veldrix_fuzzers
ctest --test-dir build-fuzz --output-on-failure -j "$(nproc)" -L fuzz
