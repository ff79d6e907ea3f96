#!/usr/bin/env bash
# Drives the real program as a user would, under a virtual display: SNES and
# MAME are set up with the demo emulator (whose path holds blanks); the user
# picks a ROM whose name holds blanks and shell syntax, types parameters and
# presses PLAY, then does the same for MAME, then saves; then MAME's folder
# is read slowly and SNES chosen meanwhile; then MAME's read fails late while
# PLAY's box is open; a game found among 3,000 by typing its name. The demo emulator logs the
# arguments and working directory it received.
set -euo pipefail
program=$(realpath "$1")
emulator=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
rerun_under_xvfb "$0" "$program" "$emulator"
source "$here/../../scripts/lib/common.sh"

make_workspace /tmp/vxe2e.XXXXXX  # short: the file's paths hold 50 bytes

mkdir -p "$work/program" "$work/emu dir" "$work/roms/snes" "$work/roms/mame"
cp "$program" "$work/program/varnix"
cp "$emulator" "$work/emu dir/demo emu"
hostile='$(touch pwned) `touch pwned`;x.smc'
touch "$work/roms/snes/$hostile" "$work/roms/snes/zelda.smc"
touch "$work/roms/mame/pacman.zip" "$work/roms/mame/sf2.alt.zip"

field() { LC_ALL=C printf "%-$2.$2s" "$1"; }
{
  field "" 50; field "$work/emu dir/demo emu" 50   # Genesis, SNES programs
  field "" 50; field "$work/roms/snes/" 50         # ROM directories; SNES's ends in "/"
  field "" 30; field "" 30; field "" 30            # parameters
  field "" 50; field "" 50                         # NeoRage
  field "$work/emu dir/demo emu" 50; field "$work/roms/mame" 50; field "" 50
} >"$work/program/varnix.dat"

export VARNIX_DEMO_LOG=$work/log.jsonl
cd "$work/program"
./varnix &
pid=$!
window=$(wait_for_window '^Varnix   v0\.31$' 30) || fail "the main window did not open"
xdotool windowfocus --sync "$window"

type_into() {  # type_into WINDOW X Y TEXT: replaces a box's text by typing
  click_twips "$1" "$2" "$3"
  xdotool key --clearmodifiers ctrl+a BackSpace
  xdotool type --delay 20 -- "$4"
}

# SNES: option button, first ROM (the hostile one sorts first), parameters.
click_twips "$window" 240 2520
click_twips "$window" 6600 2040
type_into "$window" 3700 2600 '-v  --fast'
click_twips "$window" 7200 6060
wait_for_log_lines "$VARNIX_DEMO_LOG" 1

# MAME: option button, first ROM then one down, parameters.
click_twips "$window" 240 4380
click_twips "$window" 6600 2040
xdotool key Down
type_into "$window" 3700 4400 '-window -skip'
click_twips "$window" 7200 6060
wait_for_log_lines "$VARNIX_DEMO_LOG" 2

python3 - "$VARNIX_DEMO_LOG" "$work" "$hostile" <<'PYTHON'
import json, sys
log, work, hostile = sys.argv[1:]
lines = [json.loads(line) for line in open(log, encoding="utf-8", errors="surrogateescape")]
expected = [
    {"argv": [work + "/emu dir/demo emu", "-v", "--fast", hostile], "cwd": work + "/roms/snes"},
    {"argv": [work + "/emu dir/demo emu", "-window", "-skip", "sf2"], "cwd": work + "/roms/mame"},
]
if lines != expected:
    sys.exit("FAIL: the emulator received\n  %s\nexpected\n  %s" % (lines, expected))
PYTHON
[ -z "$(find "$work" -name 'pwned*')" ] || fail "a ROM name ran a command"

menu "$window" f a  # File > Save Config
for _ in $(seq 100); do
  [ "$(LC_ALL=C dd if="$work/program/varnix.dat" bs=1 skip=230 count=30 2>/dev/null)" = "$(field '-v  --fast' 30)" ] && break
  sleep 0.1
done
saved=$work/program/varnix.dat
[ "$(stat -c %s "$saved")" -eq 540 ] || fail "varnix.dat is not 540 bytes"
read_field() { LC_ALL=C dd if="$saved" bs=1 skip="$1" count="$2" 2>/dev/null; }
[ "$(read_field 230 30)" = "$(field '-v  --fast' 30)" ] || fail "SNES parameters not saved at their offset"
[ "$(read_field 490 50)" = "$(field '-window -skip' 50)" ] || fail "MAME parameters not saved at their offset"
[ "$(read_field 150 50)" = "$(field "$work/roms/snes" 50)" ] || fail "the SNES ROM directory did not lose its separator"

type_a_name_and_play "$window" "$work/roms/mame" 3000 "$VARNIX_DEMO_LOG" 3
choose_another_during_a_slow_read "$window" "$pid" "$work/roms/mame" "$VARNIX_DEMO_LOG" 3
a_failing_read_waits_for_the_open_box "$window" "$pid" "$work/roms/mame"

exit_and_wait "$window"
echo "1 passed, 0 failed"
