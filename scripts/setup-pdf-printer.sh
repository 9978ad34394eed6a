#!/usr/bin/env bash
# Makes a PDF printer the system's default printer, for printing for real in
# the tests: starts the CUPS scheduler when it is not running, adds the
# cups-pdf queue "QuorvelsPDF" writing its PDFs into one folder (the first
# argument, /var/spool/cups-pdf/QUORVELS unless given) and makes it the
# default. Changes only what is not yet so; run as root.
set -euo pipefail

queue=QuorvelsPDF
instance=quorvels  # cups-pdf reads /etc/cups/cups-pdf-<instance>.conf for cups-pdf:/<instance>
folder=${1:-/var/spool/cups-pdf/QUORVELS}
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
conf=/etc/cups/cups-pdf-$instance.conf

fail() { echo "setup-pdf-printer: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "must run as root (it starts the CUPS scheduler and adds a printer)"
for tool in cupsd lpadmin lpstat cupsenable cupsaccept; do
  command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/install-deps.sh"
done
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] || fail "cups-pdf is missing; run scripts/install-deps.sh"

scheduler_running() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }

# The scheduler: a service manager may own it; otherwise start it as a daemon.
if ! scheduler_running; then
  cupsd || fail "cupsd did not start; see /var/log/cups/error_log"
  for _ in $(seq 1 60); do
    scheduler_running && break
    sleep 0.5
  done
  scheduler_running || fail "the CUPS scheduler is not answering; see /var/log/cups/error_log"
fi

# This queue's own cups-pdf settings: its own output folder, and every file
# labelled with its job number so that no print overwrites another.
wanted_conf="Out $folder
AnonDirName $folder
Label 1
Grp lpadmin"
if [ "$(cat "$conf" 2>/dev/null)" != "$wanted_conf" ]; then
  printf '%s\n' "$wanted_conf" >"$conf"
fi
mkdir -p "$folder"

if ! lpstat -v "$queue" 2>/dev/null | grep -q "cups-pdf:/$instance\$"; then
  lpadmin -p "$queue" -v "cups-pdf:/$instance" -P "$ppd" -D "Quorvels test PDF printer" 2>&1 \
    | grep -v 'Printer drivers are deprecated' >&2 || true
  lpstat -v "$queue" >/dev/null 2>&1 || fail "could not add the printer $queue"
fi
# CUPS turns each job into PostScript for cups-pdf; the cairo renderer keeps
# the fonts' text layer, so that the PDF can be read back as text.
if ! lpoptions -p "$queue" | grep -q 'pdftops-renderer=pdftocairo'; then
  lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
fi
cupsenable "$queue"
cupsaccept "$queue"
if [ "$(lpstat -d 2>/dev/null)" != "system default destination: $queue" ]; then
  lpadmin -d "$queue"
fi
lpstat -d
