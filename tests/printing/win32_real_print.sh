#!/usr/bin/env bash
# Prints for real under Wine: runs win32_real_print, which prints through the
# GDI print surface on Wine's default printer (Wine lists the CUPS queues and
# follows CUPS's default, the PDF printer of the setup_pdf_printer fixture),
# then waits for its four PDFs and reads them back with pdftotext against the
# pages the program wrote down.
#   win32_real_print.sh <win32_real_print.exe> <PDF folder> <work folder>
# Wine comes from the environment (WINEPREFIX and the rest, as the
# windows-x64 test preset sets them).
set -euo pipefail

program=$1
pdf_folder=$2
work=$3
wine=/usr/lib/wine/wine64
jobs=(list data marked empty)  # in the order the program prints them
polls=480                      # a quarter of a second each: two minutes

fail() { echo "win32_real_print: $*" >&2; exit 1; }

rm -rf "$work"
mkdir -p "$work"

# Runs on this machine take turns on the printer (the Linux real-print tests
# take the same lock), so that the PDFs that appear meanwhile are this run's.
exec 9>"${TMPDIR:-/tmp}/quorvels-pdf-printer.lock"
flock -w 120 9 || fail "the PDF printer stayed busy for two minutes"

pdfs() { find "$pdf_folder" -maxdepth 1 -name '*.pdf' | sort; }
pdfs >"$work/before"

# Wine's server and helpers outlive the program and keep what they inherit
# open: its output goes to a file, and the lock is not handed down. Wine
# reaches the Linux file system as drive Z:.
timeout 120 "$wine" "$program" "Z:$work" </dev/null >"$work/wine.log" 2>&1 9>&- \
  || fail "printing failed: $(cat "$work/wine.log")"

# A PDF is complete once its end-of-file marker is written.
complete() { tail -c 64 "$1" | grep -q '%%EOF'; }
# The PDFs new since the program started that are complete, in job order (the
# queue labels each file with its job number).
new_pdfs() {
  local pdf
  comm -13 "$work/before" <(pdfs) | while read -r pdf; do
    complete "$pdf" && echo "$(sed -E 's/.*job_([0-9]+).*/\1/' <<<"$pdf") $pdf"
  done | sort -n | cut -d' ' -f2-
}
for ((poll = 0; poll < polls; ++poll)); do
  mapfile -t printed < <(new_pdfs)
  [ ${#printed[@]} -ge ${#jobs[@]} ] && break
  sleep 0.25
done
[ ${#printed[@]} -eq ${#jobs[@]} ] || fail "${#printed[@]} of ${#jobs[@]} complete PDFs appeared in $pdf_folder"

# The pages of a PDF as pdftotext lays them out: each page a line "<page>"
# and its non-blank lines, blanks trimmed and inner runs of blanks made one, a
# line of dashes alone read as "<rule>"; a page without text is left out.
# With "data", a page keeps only its heading, the line after each rule and a
# closing rule. Wine's PostScript driver sends the hyphen as a glyph that the
# PDF maps to U+00AD (soft hyphen); it reads as the hyphen it was.
read_back() {
  pdftotext -layout -enc UTF-8 "$1" - | sed 's/\xC2\xAD/-/g' | awk -v data="$2" '
    BEGIN { RS = "\f" }
    {
      n = 0
      count = split($0, raw, "\n")
      for (i = 1; i <= count; ++i) {
        line = raw[i]
        gsub(/[ \t]+/, " ", line); sub(/^ /, "", line); sub(/ $/, "", line)
        if (line == "") continue
        if (line ~ /^-+$/) line = "<rule>"
        lines[++n] = line
      }
      if (n == 0) next
      print "<page>"
      if (data == "") { for (i = 1; i <= n; ++i) print lines[i]; next }
      print lines[1]
      for (i = 1; i < n; ++i) if (lines[i] == "<rule>") print lines[i + 1]
      if (lines[n] == "<rule>") print "<rule>"
    }'
}

# The PDFs are read, kept in the work folder and taken off the printer's
# folder, so that they do not pile up there.
failed=0
for i in "${!jobs[@]}"; do
  job=${jobs[$i]}
  mv "${printed[$i]}" "$work/$job.pdf"
  read_back "$work/$job.pdf" "$([ "$job" = data ] && echo data)" >"$work/$job.read"
  diff -u "$work/$job.txt" "$work/$job.read" >&2 || { echo "the $job job's PDF does not read as expected" >&2; failed=1; }
  # Every page printed is there, the empty job's one page too, and the job
  # carries the document name every print job is given.
  pages=$(grep -c '^<page>$' "$work/$job.txt" || true)
  info=$(pdfinfo "$work/$job.pdf")
  [ "$(sed -n 's/^Pages: *//p' <<<"$info")" = "$((pages > 0 ? pages : 1))" ] \
    || { echo "the $job job's PDF has not $((pages > 0 ? pages : 1)) pages: $info" >&2; failed=1; }
  [ "$(sed -n 's/^Title: *//p' <<<"$info")" = Quorvel ] || { echo "the $job job is not named Quorvel: $info" >&2; failed=1; }
done

# Gross faults of units show here: points for pixels, or a resolution far
# from 300 dpi. A4 and Letter are both near 2400 units wide; the face's line
# is about 1.15 times its characters' height (46), and a dash a third of it.
read -r width height line dashes <"$work/surface.txt"
in_range() { [ "$2" -ge "$3" ] && [ "$2" -le "$4" ] || { echo "$1 $2 is not within $3..$4" >&2; failed=1; }; }
in_range "page width" "$width" 2200 2551
in_range "page height" "$height" 3000 3508
in_range "line height" "$line" 50 56
in_range "width of 100 dashes" "$dashes" 1433 1633

[ "$failed" -eq 0 ] || fail "see above; the PDFs and texts are in $work"
echo "win32_real_print: ${#jobs[@]} jobs printed and read back as expected"
