#!/usr/bin/env bash
# Drives the real program under a virtual display. Started without a
# configuration, from a directory other than its own, it reports the missing
# file before its window shows; File > Save Config then writes 540 blanks
# beside the program (not in the start directory); File > Exit ends it.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)

source "$here/lib.sh"
rerun_under_xvfb "$0" "$program"
source "$here/../../scripts/lib/common.sh"

make_workspace /tmp/vxstart.XXXXXX

mkdir -p "$work/program" "$work/start"
cp "$program" "$work/program/varnix"
cd "$work/start"
"$work/program/varnix" &
pid=$!

message=$(wait_for_window '^Varnix$' 30) || fail "no message box about the missing configuration"
if xdotool search --onlyvisible --name '^Varnix   v0\.31$' >/dev/null 2>&1; then
  fail "the main window showed before the message was closed"
fi
xdotool windowfocus --sync "$message" key Return

window=$(wait_for_window '^Varnix   v0\.31$' 30) || fail "the main window did not open"
menu "$window" f a  # File > Save Config
for _ in $(seq 100); do [ -s "$work/program/varnix.dat" ] && break; sleep 0.1; done
[ -f "$work/program/varnix.dat" ] || fail "File > Save Config wrote no varnix.dat beside the program"
cmp -s "$work/program/varnix.dat" <(printf '%540s' '') || fail "varnix.dat is not 540 blanks"
[ ! -e "$work/start/varnix.dat" ] || fail "varnix.dat was written to the start directory"

exit_and_wait "$window"
echo "1 passed, 0 failed"
