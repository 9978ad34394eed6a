#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for the given number of seconds
# (default 60), starting from the seed corpus in fuzz/corpus. Fails on any
# crash, leak, sanitizer report or broken invariant. For a deeper search run
# it with a larger number, e.g. `bash scripts/fuzz.sh 3600`.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for target in build/fuzz/fuzz/fuzz_*; do
  name="$(basename "$target")"
  mkdir -p "$work/$name"
  cp -r "fuzz/corpus/$name/." "$work/$name/" 2>/dev/null || true
  echo "== $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
       -artifact_prefix="$work/" "$work/$name" >"$work/$name.log" 2>&1; then
    status=1
    echo "FAILED: $name"
    grep -E 'ERROR|SUMMARY|invariant' "$work/$name.log" | head -20
    mkdir -p build/fuzz/artifacts && cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* build/fuzz/artifacts/ 2>/dev/null || true
  fi
  grep -E 'stat::number_of_executed_units|cov:' "$work/$name.log" | tail -2
done
exit $status
