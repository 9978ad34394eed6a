#!/usr/bin/env bash
# Prints a Book List and a Book Data of a 40-book catalogue on the PDF printer
# (scripts/setup-pdf-printer.sh) and keeps the first page of each as a picture
# in docs/. Run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bash scripts/setup-pdf-printer.sh >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for layout in list data; do
  build/release/tests/printing/print_sample 40 "$layout" "$work/$layout.pdf"
  pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/$layout.pdf" "docs/printed-book-$layout"
done
echo "docs/printed-book-list.png docs/printed-book-data.png"
