#!/usr/bin/env bash
# Runs BUILD/bench/win32_bench.exe under Wine (the loader this machine runs),
# on a display with a booted WINEPREFIX, with a ROM directory of 50,000 files
# made here once (under Wine that takes minutes: each new name is looked for
# through the whole directory). Stops after LIMIT seconds and says so.
#   bench/win32_bench.sh build-windows [LIMIT]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
source "$here/../scripts/lib/wine-loader.sh"
build=$(realpath "${1:-build-windows}")
limit=${2:-300}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Short, for the 50 bytes of the ROM directory's field.
roms=/tmp/varnix-bench-roms
if [ "$(find "$roms" -maxdepth 1 -name 'Game *.smc' 2>/dev/null | wc -l)" -ne 50000 ]; then
  rm -rf "$roms"
  mkdir -p "$roms"
  (cd "$roms" && seq 0 49999 | awk '{ print "Game " ($1 * 7919) % 50000 ".smc" }' | xargs -d '\n' touch)
fi

fresh_wineserver
trap stop_wineserver EXIT
status=0
timeout "$limit" "$here/../scripts/lib/wine" "$build/bench/win32_bench.exe" "Z:${roms//\//\\}" || status=$?
if [ "$status" -eq 124 ]; then
  echo "win32_bench.sh: win32_bench.exe did not finish within $limit s" >&2
fi
exit "$status"
