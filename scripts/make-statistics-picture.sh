#!/usr/bin/env bash
# Renews help/reading-statistics.png, the Reading Statistics window for the
# sample catalogue as Qt draws it offscreen: the user's guide shows it beside
# its topic, and the README shows the same file.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
build/release/tests/mainwindow/statistics_picture samples/sample.pmr help/reading-statistics.png
echo "help/reading-statistics.png"
