#!/usr/bin/env bash
# Installs what is needed, builds everything (benchmarks included) and runs
# every test: the whole suite, then every suite again (windows included) under
# AddressSanitizer and UndefinedBehaviorSanitizer; the Qt-free core is also
# compiled for 32-bit x86.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

# The benchmark programs are run by hand for their figures; here each runs once,
# briefly, so that a benchmark that no longer works is seen at once.
for bench in build/test/*_bench; do
  "$bench" --benchmark_min_time=0.01 --benchmark_repetitions=1 > /dev/null
done

# The Qt-free core compiled for 32-bit x86 (Debian i386), libraries only: a
# processor-specific path that exists only on x86-64 must not break it.
cmake -S . -B build/m32 -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVO_LIBRARIES_ONLY=ON -DCMAKE_CXX_FLAGS=-m32
cmake --build build/m32 -j "$jobs" --target engine problem_io solvers

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTAVO_SANITIZE=ON -DTAVO_BENCH=OFF
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

# The input fuzz target (clang's libFuzzer), run briefly from a copy of its
# corpus so that the run never changes the files kept in the repository.
cmake -S . -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVO_CORE_ONLY=ON -DTAVO_FUZZ=ON -DTAVO_BENCH=OFF
cmake --build build/fuzz -j "$jobs" --target input_fuzz
fuzz_corpus=$(mktemp -d)
cp fuzz/corpus/* "$fuzz_corpus"/
build/fuzz/input_fuzz -max_total_time=30 -dict=fuzz/input.dict "$fuzz_corpus" > build/fuzz/run.log 2>&1 ||
  { tail -40 build/fuzz/run.log; rm -rf "$fuzz_corpus"; exit 1; }
rm -rf "$fuzz_corpus"
