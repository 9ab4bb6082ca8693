#!/usr/bin/env bash
# Makes the manual's screenshots from the running program under Xvfb:
#   scripts/manual-screenshots.sh [LANGUAGE [OUTDIR]]
# LANGUAGE: en (default), de, fr, it, ja or es; OUTDIR: data/manual/images for
# English, else a folder of its own. The program runs with settings, library
# and printers of its own (the private CUPS scheduler of the tests and SANE's
# test scanner), so what the pictures show is the same on every machine.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
language="${1:-en}"
out="${2:-}"
if [[ -z "$out" ]]; then
    if [[ "$language" == en ]]; then out="$root/data/manual/images"; else out="$root/build/screenshots-$language"; fi
fi
build="$("$root/scripts/configure.sh" | tail -n 1)"
cmake --build "$build" --target veldra2-screenshots >/dev/null

work="$(mktemp -d)"
# The scheduler's backend runs as lp and writes below this folder.
chmod o+x "$work"
cleanup()
{
    "$root/scripts/cups-test-server.sh" stop "$work/cups" >/dev/null 2>&1 || true
    [[ -n "${xvfb:-}" ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/sane" "$work/config" "$work/home"
echo test > "$work/sane/dll.conf"
export CUPS_SERVER="$("$root/scripts/cups-test-server.sh" start "$work/cups" | tail -n 1)"
export HOME="$work/home" CUPS_SERVERROOT="$work/cups/conf"
export SANE_CONFIG_DIR="$work/sane" XDG_CONFIG_HOME="$work/config" VELDRA2_DATA_DIR="$work/data/Veldra2"

# A display of its own, the size of a small laptop's screen.
display=":$((100 + RANDOM % 400))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY="$display"
unset QT_QPA_PLATFORM

# A first start as a new user has it: no engraver yet, so the plate is the
# 50 mm one offered then. Only the print windows are taken with the
# scheduler's engraver, as they list its queues.
rm -rf "$out"
mkdir -p "$out" "$work/printing"
scheduler="$CUPS_SERVER"
CUPS_SERVER="$work/no-scheduler.sock" "$build/tools/tour/veldra2-screenshots" "$out" "$language"
rm -rf "$work/config" "$work/home" "$work/data" && mkdir -p "$work/config" "$work/home"
CUPS_SERVER="$scheduler" "$build/tools/tour/veldra2-screenshots" "$work/printing" "$language"
cp "$work/printing/print-setup.png" "$work/printing/print.png" "$out/"
echo "screenshots in $out"
