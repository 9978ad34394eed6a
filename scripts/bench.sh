#!/usr/bin/env bash
# Builds the optimised tree and the benchmark catalogues, runs every benchmark
# (medians over repeated runs) and the start-up measurement, then the
# start-up and the commands of the Windows build under Wine, and prints the
# results as Markdown tables. Not part of the test run: it takes minutes.
#
#     bash scripts/bench.sh              # QUORVELS_BENCH_REPETITIONS=5, QUORVELS_STARTUP_ROUNDS=15
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${QUORVELS_BENCH_REPETITIONS:-5}
rounds=${QUORVELS_STARTUP_ROUNDS:-15}

cmake --preset release >/dev/null
cmake --build --preset release -j2 >/dev/null
cmake --build --preset release --target bench_catalogues >/dev/null
export QT_QPA_PLATFORM=offscreen
bench=build/release/bench

echo "Load average before: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
echo
echo "| operation | 5000 books: wall / CPU | 32767 books: wall / CPU | CPU 32767 / 5000 |"
echo "|---|---|---|---|"
for program in core/core_bench mainwindow/list_line_qt_bench storage/storage_bench bookexchange/import_bench dialogs/find_bench \
               printing/printing_bench mainwindow/mainwindow_bench; do
  "$bench/$program" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
                    --benchmark_format=csv 2>/dev/null
done | awk -F, '
  # CSV rows: "name/size_median",iterations,real_time,cpu_time,time_unit,...
  /_median"/ {
    name = $1; gsub(/"/, "", name); sub(/_median$/, "", name)
    size = name; sub(/.*\//, "", size); sub(/\/[0-9]+$/, "", name)
    scale = ($5 == "ns") ? 1e-6 : ($5 == "us") ? 1e-3 : ($5 == "s") ? 1e3 : 1
    if (!(name in seen)) { seen[name] = 1; order[++count] = name }
    wall[name, size] = $3 * scale; cpu[name, size] = $4 * scale
  }
  END {
    for (i = 1; i <= count; ++i) {
      n = order[i]
      # The Cyrillic and Japanese catalogue ("NAME/scripts") is measured at 32767 books only.
      if ((n, 5000) in cpu)
        printf "| %s | %.3f / %.3f ms | %.3f / %.3f ms | %.1f |\n", n, wall[n, 5000], cpu[n, 5000],
               wall[n, 32767], cpu[n, 32767], (cpu[n, 5000] > 0 ? cpu[n, 32767] / cpu[n, 5000] : 0)
      else
        printf "| %s | - | %.3f / %.3f ms | - |\n", n, wall[n, 32767], cpu[n, 32767]
    }
  }'
echo
"$bench/startup/startup_bench" "$rounds"
echo

# The Windows build under Wine, on the same catalogues: its start-up, and
# the commands at 32767 books (medians of 25 timings each).
cmake --preset windows-x64 -DQUORVELS_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset windows-x64 --target win32_startup_bench win32_commands_bench >/dev/null
source scripts/wine-session.sh
start_wine_session "$PWD/build/windows-x64/bench-prefix" >/dev/null 2>&1
catalogues=$(/usr/lib/wine/wine64 winepath -w "$PWD/$bench/catalogues" | tr -d '\r')
/usr/lib/wine/wine64 build/windows-x64/bench/win32/win32_startup_bench.exe "$catalogues" "$rounds"
echo
/usr/lib/wine/wine64 build/windows-x64/bench/win32/win32_commands_bench.exe "$catalogues\\books-32767.pmr"
echo
echo "Load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
