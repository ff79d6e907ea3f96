#!/usr/bin/env bash
# How long the window leaves its user waiting while a slow folder is read:
# MAME's ROM folder (30,000 zips) is chosen with each of the first eight
# directory reads the program makes of it held 0.75 s (strace's delay
# injection on getdents64, a slow share's stand-in), while a probe pings the
# window as a window manager does. Prints the longest ping left unanswered.
#   bench/freeze_bench.sh build/varnix                     (Qt, Linux)
#   bench/freeze_bench.sh build-windows/varnix.exe         (Win32, under Wine;
#     WINEPREFIX a booted prefix, as after scripts/test-windows)
# With VARNIX_SCREENSHOT naming a PNG file, the screen is saved there while
# the folder is being read.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$1")
source "$here/../scripts/lib/common.sh"
if [ -z "${VARNIX_E2E_DISPLAY:-}" ]; then
  ensure_packages gcc libx11-dev strace xvfb xdotool python3
  exec "$here/../scripts/lib/with-xvfb" env VARNIX_E2E_DISPLAY=1 "$0" "$@"
fi
source "$here/../tests/e2e/lib.sh"
make_workspace /tmp/vxfreeze.XXXXXX
cc -O2 -o "$work/ping_probe" "$here/ping_probe.c" -lX11

mkdir -p "$work/program" "$work/roms/snes" "$work/roms/mame"
python3 -c "
import os, sys
for i in range(30000):
    open(os.path.join(sys.argv[1], 'game%05d.zip' % i), 'w').close()" "$work/roms/mame"
touch "$work/roms/snes/mario.smc"
case "$program" in
  *.exe)
    source "$here/../scripts/lib/wine-loader.sh"
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wine_loader
    path() { local p=${1//\//\\}; echo "Z:$p"; }
    cp "$program" "$work/program/varnix.exe"
    start=("${wine[@]}" varnix.exe)
    reader() { pgrep -n -f '(^|\\)varnix\.exe$'; } ;;
  *)
    path() { echo "$1"; }
    cp "$program" "$work/program/varnix"
    start=(./varnix)
    reader() { echo "$pid"; } ;;
esac
field() { LC_ALL=C printf "%-$2.$2s" "$1"; }
{
  field "" 50; field "$(path /bin/true)" 50; field "" 50; field "$(path "$work/roms/snes")" 50
  field "" 90; field "" 100
  field "$(path /bin/true)" 50; field "$(path "$work/roms/mame")" 50; field "" 50
} >"$work/program/varnix.dat"

cd "$work/program"
"${start[@]}" &
pid=$!
window=$(wait_for_window '^Varnix   v0\.31$' 90) || fail "the window did not open"
click_twips "$window" 240 2520  # SNES first: choosing MAME reads its folder afresh
sleep 1
: >"$work/attached"
strace -f -y -P "$work/roms/mame" -e trace=getdents64 -e inject=getdents64:delay_exit=750000:when=1..8 \
  -o "$work/trace" -p "$(reader)" 2>"$work/attached" &
strace_pid=$!
for _ in $(seq 100); do grep -q attached "$work/attached" && break; sleep 0.1; done
"$work/ping_probe" "$window" 9 >"$work/pings" &
probe=$!
sleep 0.5
click_twips "$window" 240 4380  # MAME
if [ -n "${VARNIX_SCREENSHOT:-}" ]; then
  sleep 2
  xdotool mousemove --window "$window" 300 200
  sleep 0.5
  import -window root "$VARNIX_SCREENSHOT"
fi
wait "$probe"
read -r longest answered sent <"$work/pings"
held=$(grep -c DELAYED "$work/trace" || true)
read_ended "$work/trace" || fail "MAME's folder was not read to its end within the probe's 9 s"
echo "$(basename "$program"): longest ping unanswered ${longest} ms; ${answered} of ${sent} pings answered;" \
  "${held} reads of MAME's folder held 0.75 s each"
exit_and_wait "$window" 2>/dev/null || true
