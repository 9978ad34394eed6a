#!/usr/bin/env bash
# Which lines and branches of the main window, the dialogs and printing the
# whole-program fuzz target reaches from a corpus: builds it with clang's
# source coverage in build/fuzz-cov, runs it once over every input of the
# corpus (by default its seed corpus; pass the folder a longer run grew) and
# prints llvm-cov's report for those folders, file by file, then each
# folder's total. Not part of the test run.
#
#     bash scripts/fuzz-coverage.sh [CORPUS_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
corpus="$(realpath "${1:-fuzz/corpus/fuzz_program}")"
build=build/fuzz-cov

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DQUORVELS_WITH_QT=OFF -DQUORVELS_BUILD_TESTS=OFF -DQUORVELS_BUILD_BENCHMARKS=OFF -DQUORVELS_BUILD_FUZZERS=ON \
  -DCMAKE_CXX_FLAGS='-fsanitize=fuzzer-no-link -fprofile-instr-generate -fcoverage-mapping' >/dev/null
cmake --build "$build" -j1 --target fuzz_program >/dev/null

rm -f "$build"/fuzz_program-*.profraw
LLVM_PROFILE_FILE="$PWD/$build/fuzz_program-%p.profraw" "$build/fuzz/fuzz_program" -runs=0 "$corpus" >/dev/null 2>&1
llvm-profdata merge -sparse "$build"/fuzz_program-*.profraw -o "$build/fuzz_program.profdata"
report() { llvm-cov report "$build/fuzz/fuzz_program" -instr-profile="$build/fuzz_program.profdata" "$@"; }
report "$PWD/mainwindow" "$PWD/dialogs" "$PWD/printing"
echo
for folder in mainwindow dialogs printing; do
  echo "$folder: $(report "$PWD/$folder" | tail -1)"
done
