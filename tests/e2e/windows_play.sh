#!/usr/bin/env bash
# Drives varnix.exe under Wine as a user would, on a virtual display: first
# without a varnix.dat (the message comes before the window), then with SNES
# and MAME set up with the stand-in emulator: pick a ROM, type parameters,
# PLAY, for each; save; a game found among 3,000 by typing its name; SNES chosen while MAME's folder is read slowly;
# exit. The stand-in logs what it was started with.
# Needs WINEPREFIX set to a prefix that has been booted.
set -euo pipefail
program=$(realpath "$1")
emulator=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
rerun_under_xvfb "$0" "$program" "$emulator"
source "$here/../../scripts/lib/common.sh"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(realpath "$here/../../scripts/lib/wine")  # the loader this machine runs

make_workspace /tmp/vxw.XXXXXX  # short: the file's paths hold 50 bytes
windows_path() { local path=${1//\//\\}; echo "Z:$path"; }
start_varnix() {  # start_varnix DIRECTORY: the program copied there, started there
  cp "$program" "$1/varnix.exe"
  (cd "$1" && exec "$wine" varnix.exe) &
  pid=$!
}
main_window='^Varnix   v0\.31$'

# Without a varnix.dat: the message first, the window once it is answered.
mkdir -p "$work/first"
start_varnix "$work/first"
box=$(wait_for_window '^Varnix$' 90) || fail "the missing-file message did not show"
xdotool search --onlyvisible --name "$main_window" >/dev/null && fail "the window showed before the message"
xdotool windowfocus --sync "$box" key Return
window=$(wait_for_window "$main_window" 30) || fail "the main window did not open after the message"
exit_and_wait "$window"

# SNES and MAME set up; ROM names that Wine and Windows shorten alike.
mkdir -p "$work/program" "$work/emu" "$work/roms/snes" "$work/roms/mame"
cp "$emulator" "$work/emu/demo.exe"
touch "$work/roms/snes/mario.smc" "$work/roms/snes/zelda.smc" "$work/roms/mame/pacman.zip" "$work/roms/mame/sf2.zip"
demo=$(windows_path "$work/emu/demo.exe")
field() { LC_ALL=C printf "%-$2.$2s" "$1"; }
{
  field "" 50; field "$demo" 50                                  # Genesis, SNES programs
  field "" 50; field "$(windows_path "$work/roms/snes")\\" 50    # ROM directories; SNES's ends in "\"
  field "" 30; field "" 30; field "" 30                          # parameters
  field "" 50; field "" 50                                       # NeoRage
  field "$demo" 50; field "$(windows_path "$work/roms/mame")" 50; field "" 50
} >"$work/program/varnix.dat"

export VARNIX_DEMO_LOG
VARNIX_DEMO_LOG=$(windows_path "$work/log.jsonl")
start_varnix "$work/program"
window=$(wait_for_window "$main_window" 90) || fail "the main window did not open"
xdotool windowfocus --sync "$window"

type_into() {  # type_into WINDOW X Y TEXT: types into an empty box
  click_twips "$1" "$2" "$3"
  xdotool type --delay 20 -- "$4"
}

# SNES: option button, first ROM, parameters, PLAY.
click_twips "$window" 240 2520
click_twips "$window" 6600 2040
type_into "$window" 3700 2600 '-v  --fast'
click_twips "$window" 7200 6060
wait_for_log_lines "$work/log.jsonl" 1

# MAME: option button, first ROM then one down, parameters, PLAY.
click_twips "$window" 240 4380
click_twips "$window" 6600 2040
xdotool key Down
type_into "$window" 3700 4400 '-window -skip'
click_twips "$window" 7200 6060
wait_for_log_lines "$work/log.jsonl" 2

python3 - "$work/log.jsonl" "$(windows_path "$work")" <<'PYTHON'
import json, sys
log, work = sys.argv[1:]
lines = [json.loads(line) for line in open(log, encoding="utf-8")]
demo = work + "\\emu\\demo.exe"
expected = [
    {"argv": [demo, "-v", "--fast", "mario.smc"], "cwd": work + "\\roms\\snes"},
    {"argv": [demo, "-window", "-skip", "sf2"], "cwd": work + "\\roms\\mame"},
]
if lines != expected:
    sys.exit("FAIL: the emulator received\n  %s\nexpected\n  %s" % (lines, expected))
PYTHON

menu "$window" f a  # File > Save Config
saved=$work/program/varnix.dat
read_field() { LC_ALL=C dd if="$saved" bs=1 skip="$1" count="$2" 2>/dev/null; }
for _ in $(seq 100); do
  [ "$(read_field 230 30)" = "$(field '-v  --fast' 30)" ] && break
  sleep 0.1
done
[ "$(stat -c %s "$saved")" -eq 540 ] || fail "varnix.dat is not 540 bytes"
[ "$(read_field 230 30)" = "$(field '-v  --fast' 30)" ] || fail "SNES parameters not saved at their offset"
[ "$(read_field 490 50)" = "$(field '-window -skip' 50)" ] || fail "MAME parameters not saved at their offset"
[ "$(read_field 150 50)" = "$(field "$(windows_path "$work/roms/snes")" 50)" ] \
  || fail "the SNES ROM directory did not lose its separator"
[ "$(read_field 50 50)" = "$(field "$demo" 50)" ] || fail "the SNES program was not saved at its offset"

# Wine runs the program in a process of its own, named by its Windows path
# (64-bit) or by the name it was started with (32-bit).
type_a_name_and_play "$window" "$work/roms/mame" 3000 "$work/log.jsonl" 3
choose_another_during_a_slow_read "$window" "$(pgrep -n -f '(^|\\)varnix\.exe$')" "$work/roms/mame" "$work/log.jsonl" 3

exit_and_wait "$window"
echo "1 passed, 0 failed"
