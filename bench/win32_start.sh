#!/usr/bin/env bash
# Times a start of varnix.exe under Wine until its window is on screen
# (mapped), against a bare window of the same size with a menu
# (bench/bare_window.exe) started the same way, in turn; median of nine
# starts each. Run on a display with a booted WINEPREFIX:
#   bench/win32_start.sh build-windows
set -euo pipefail
build=$(realpath "${1:-build-windows}")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/varnix.exe" "$work/"
head -c 540 /dev/zero | tr '\0' ' ' >"$work/varnix.dat"  # no message at start

# time_start TITLE COMMAND...: milliseconds from the start to the window mapped
time_start() {
  local title=$1 start end; shift
  start=$(date +%s%N)
  (cd "$work" && exec "$@") &
  local pid=$!
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

wineserver -p 2>/dev/null || true  # one may be running already
for _ in 1 2 3 4 5 6 7 8 9; do
  time_start '^Varnix   v0\.31$' wine varnix.exe >>"$work/varnix"
  time_start '^Bare Varnix bench$' wine "$build/bench/bare_window.exe" >>"$work/bare"
done
varnix=$(median <"$work/varnix")
bare=$(median <"$work/bare")
echo "window on screen from the start: varnix.exe ${varnix} ms, bare window ${bare} ms, ratio $(echo "scale=2; $varnix / $bare" | bc)"
