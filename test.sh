#!/usr/bin/env bash
# Builds everything and runs every test: the full build, then the portable code again under
# AddressSanitizer + UndefinedBehaviorSanitizer, then each fuzz target for a short bounded time.
set -euo pipefail
cd "$(dirname "$0")"
top=$(pwd)
jobs=$(nproc)

./scripts/install-deps.sh packages-build.txt packages-play.txt packages-test.txt

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
# Tests never touch the real user's files.
export HOME="$top/build/test-home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_RUNTIME_DIR="$top/build/test-runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

echo "== Build"
# The configuration that run.sh ships, so its warnings fail here too.
cmake -S . -B build/main -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/main -j "$jobs"
echo "== Tests"
(cd build/main && ctest --output-on-failure -j "$jobs" --timeout 300) | tee build/ctest-main.log

echo "== Sanitizer build (portable code)"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORBELLO_PORTABLE_ONLY=ON \
  -DORBELLO_BENCH=OFF \
  "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
cmake --build build/asan -j "$jobs"
(cd build/asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs" --timeout 300) | tee build/ctest-asan.log

echo "== Fuzzing"
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORBELLO_PORTABLE_ONLY=ON \
  -DORBELLO_BENCH=OFF -DORBELLO_TESTS=OFF -DORBELLO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz -j "$jobs" --target orbello_fuzzers
shopt -s nullglob
for fuzzer in build/fuzz/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  seeds="fuzz/seeds/${name#fuzz_}"
  echo "-- $name"
  "$fuzzer" -max_total_time=15 -timeout=5 -rss_limit_mb=2048 -print_final_stats=0 \
    "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>&1 | tail -n 3
done
fuzzers=$(ls build/fuzz/fuzz/fuzz_* 2>/dev/null | wc -l)
ran=$(cat build/ctest-main.log build/ctest-asan.log |
  awk '/tests passed, 0 tests failed out of/ { n += $NF } END { print n + 0 }')
echo "== All tests passed ($fuzzers fuzz targets ran cleanly)"
echo "ctest: $ran passed, 0 failed"
