#!/usr/bin/env bash
# The user's path, end to end under a virtual display: install Varnix into a
# folder of the user's, add its desktop entry, start it the way the desktop
# does (the entry's Exec, in the entry's Path), set SNES up through the Setup
# menu, type parameters, save, exit; start it again from the entry: the
# settings are still there (no "not found" message, and PLAY uses them).
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
rerun_under_xvfb "$0" "$build"
source "$here/../../scripts/lib/common.sh"

make_workspace /tmp/vxdesk.XXXXXX  # short: the file's paths hold 50 bytes

prefix="$work/my apps/varnix"
cmake --install "$build" --prefix "$prefix" >/dev/null
export XDG_DATA_HOME=$work/data VARNIX_DEMO_LOG=$work/log.jsonl
"$prefix/install-desktop-entry" >/dev/null
entry=$XDG_DATA_HOME/applications/varnix.desktop
desktop-file-validate "$entry" || fail "the desktop entry is not valid"

mkdir -p "$work/emu" "$work/roms"
cp "$prefix/varnix-demo-emulator" "$work/emu/snes.exe"
touch "$work/roms/Super Puzzle.smc"

start_from_entry() {  # as the desktop does: Exec's program, in the entry's Path
  local path program
  path=$(python3 "$here/../install/desktop_entry.py" "$entry" Path)
  program=$(python3 "$here/../install/desktop_entry.py" "$entry" Exec)
  (cd "$path" && exec "$program") &
  pid=$!
}
# First start: no settings yet.
start_from_entry
message=$(wait_for_window '^Varnix$' 30) || fail "no message about the missing configuration"
xdotool windowfocus --sync "$message" key Return
window=$(wait_for_window '^Varnix   v0\.31$' 30) || fail "the main window did not open"

menu "$window" t s  # Setup > Snes
dialog=$(wait_for_window '^Open$' 30) || fail "Setup > Snes opened no file dialog"
xdotool windowfocus --sync "$dialog" type --delay 10 -- "$work/emu/snes.exe"
xdotool key Return
input=$(wait_for_window '^Rom Directory$' 30) || fail "no input box for the ROM directory"
xdotool windowfocus --sync "$input" key ctrl+a
xdotool type --delay 10 -- "$work/roms"
xdotool key Return
sleep 0.5
xdotool windowfocus --sync "$window"
click_twips "$window" 3700 2600  # Text1
xdotool type --delay 20 -- "-fast"
menu "$window" f a  # File > Save Config
for _ in $(seq 100); do [ -s "$prefix/varnix.dat" ] && break; sleep 0.1; done
[ -s "$prefix/varnix.dat" ] || fail "File > Save Config wrote nothing beside the program"
exit_and_wait "$window"

# Second start, from the entry again: the saved settings are read.
start_from_entry
window=
for _ in $(seq 300); do
  if xdotool search --onlyvisible --name '^Varnix$' >/dev/null 2>&1; then
    fail "the settings saved beside the program were not found at the next start"
  fi
  window=$(xdotool search --onlyvisible --name '^Varnix   v0\.31$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || fail "the main window did not open again"
xdotool windowfocus --sync "$window"
click_twips "$window" 240 2520  # optSnes
click_twips "$window" 6600 2040  # the first ROM
click_twips "$window" 7200 6060  # PLAY
for _ in $(seq 100); do [ -s "$VARNIX_DEMO_LOG" ] && break; sleep 0.1; done
python3 - "$VARNIX_DEMO_LOG" "$work" <<'PYTHON'
import json, sys
log, work = sys.argv[1:]
lines = [json.loads(line) for line in open(log, encoding="utf-8")]
expected = [{"argv": [work + "/emu/snes.exe", "-fast", "Super Puzzle.smc"], "cwd": work + "/roms"}]
if lines != expected:
    sys.exit("FAIL: the emulator received\n  %s\nexpected\n  %s" % (lines, expected))
PYTHON
exit_and_wait "$window"
echo "1 passed, 0 failed"
