#!/usr/bin/env bash
# Builds the libFuzzer targets (in the sanitize preset's tree) and runs each
# for the given number of seconds (default 60), as many at once as the machine
# has cores, starting from the seed corpus in fuzz/corpus. Fails on any crash,
# leak, sanitizer report or broken invariant; what failed is copied to
# build/sanitize/fuzz/artifacts/. For a deeper search run it with a larger
# number, e.g. `bash scripts/fuzz.sh 3600`.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j2 --target fuzzers

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
artifacts=build/sanitize/fuzz/artifacts

# Runs one target; a failure leaves NAME.failed beside its log.
run_target() {
  local target=$1 name
  name="$(basename "$target")"
  mkdir -p "$work/$name"
  cp -r "fuzz/corpus/$name/." "$work/$name/" 2>/dev/null || true
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 \
    -artifact_prefix="$work/$name-" "$work/$name" >"$work/$name.log" 2>&1 || touch "$work/$name.failed"
}

for target in build/sanitize/fuzz/fuzz_*; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  echo "== $(basename "$target") for ${seconds}s"
  run_target "$target" &
done
wait

status=0
for target in build/sanitize/fuzz/fuzz_*; do
  name="$(basename "$target")"
  if [ -e "$work/$name.failed" ]; then
    status=1
    echo "FAILED: $name"
    grep -E 'ERROR|SUMMARY|invariant' "$work/$name.log" | head -20
    mkdir -p "$artifacts" && cp "$work/$name"-* "$artifacts/" 2>/dev/null || true
  else
    echo "passed: $name"
  fi
  grep -E 'stat::number_of_executed_units|cov:' "$work/$name.log" | tail -2
done
exit $status
