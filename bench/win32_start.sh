#!/usr/bin/env bash
# Times a start of varnix.exe under Wine until its window is on screen,
# against a bare window of the same size with a menu (bench/bare_window.exe)
# started the same way, in turn; medians of the starts (nine unless given).
# Three moments: the window mapped, its first drawing, and the last drawing
# before a quiet quarter second (the whole window drawn). Run on a display
# with a booted WINEPREFIX:
#   bench/win32_start.sh build-windows [STARTS]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/../scripts/lib/common.sh"
source "$here/../scripts/lib/wine-loader.sh"
ensure_packages gcc libx11-dev libxdamage-dev bc
build=$(realpath "${1:-build-windows}")
starts=${2:-9}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/varnix.exe" "$work/"
head -c 540 /dev/zero | tr '\0' ' ' >"$work/varnix.dat"  # no message at start
# Waits for the display server's events: nothing polls while a program starts.
cc -O2 -o "$work/start_until_shown" "$here/start_until_shown.c" -lX11 -lXdamage

# median FILE COLUMN
median() { awk -v column="$2" '{print $column}' "$1" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

fresh_wineserver
trap 'stop_wineserver; rm -rf "$work"' EXIT
wine_loader  # the loader this machine runs, started without a script between
cd "$work"
for _ in $(seq "$starts"); do
  ./start_until_shown 'Varnix   v0.31' "${wine[@]}" varnix.exe >>varnix
  ./start_until_shown 'Bare Varnix bench' "${wine[@]}" "$build/bench/bare_window.exe" >>bare
done
column=1
for moment in "mapped" "first drawn" "whole window drawn"; do
  varnix=$(median varnix $column)
  bare=$(median bare $column)
  echo "$moment from the start: varnix.exe ${varnix} ms, bare window ${bare} ms, ratio $(echo "scale=2; $varnix / $bare" | bc)"
  column=$((column + 1))
done
