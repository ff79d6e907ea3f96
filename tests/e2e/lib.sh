# Shared by the end-to-end tests. Source it after setting `program`.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the calling script again under a virtual display, once.
rerun_under_xvfb() {
  if [ -z "${VARNIX_E2E_DISPLAY:-}" ]; then
    exec "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/with-xvfb" env VARNIX_E2E_DISPLAY=1 "$@"
  fi
}

# The window's client area lies below its menu bar; controls are placed in
# twips, 15 to a pixel, times Qt's scale factor where one is set.
scaled() { awk -v n="$1" -v f="${QT_SCALE_FACTOR:-1}" 'BEGIN { printf "%d", n * f }'; }
client_top() {  # client_top WINDOW
  local height
  height=$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p')
  echo $((height - $(scaled 443)))
}

# Clicks at a point given in twips of the client area.
click_twips() {  # click_twips WINDOW X Y
  local top
  top=$(client_top "$1")
  xdotool mousemove --window "$1" --sync "$(scaled $(($2 / 15)))" $((top + $(scaled $(($3 / 15))))) click 1
}

# Makes the test's own workspace, $work, from a mktemp template, and removes
# it on exit with every process started from it and the program in $pid.
make_workspace() {  # make_workspace TEMPLATE
  work=$(mktemp -d "$1")
  pid=
  trap 'cleanup_workspace' EXIT
}
cleanup_workspace() {
  [ -n "${strace_pid:-}" ] && { kill "$strace_pid" 2>/dev/null || true; }
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  pkill -f "^$work/" 2>/dev/null || true
  rm -rf "$work"
}

# Waits for the stand-in emulator's log to hold N lines.
wait_for_log_lines() {  # wait_for_log_lines FILE N
  for _ in $(seq 100); do
    [ "$(wc -l <"$1" 2>/dev/null || echo 0)" -ge "$2" ] && return 0
    sleep 0.1
  done
  fail "the emulator did not start (expected $2 log lines)"
}

# Chooses a menu entry by its access keys.
menu() {  # menu WINDOW MENU-KEY ENTRY-KEY
  xdotool windowfocus --sync "$1" key "alt+$2"
  sleep 0.3  # let the menu open before choosing from it
  xdotool key "$3"
}

# File > Exit, then waits for the program in $pid to end cleanly.
exit_and_wait() {  # exit_and_wait WINDOW
  menu "$1" f x
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "File > Exit did not end the program"
  wait "$pid" || fail "the program ended with status $?"
  pid=
}

# Picks the list's first ROM and presses PLAY until the log holds N lines: a
# list still being read has none, and PLAY then says "No file selected!".
play_first_rom() {  # play_first_rom WINDOW LOG N
  local box
  for _ in $(seq 20); do
    click_twips "$1" 6600 2040
    click_twips "$1" 7200 6060
    for _ in $(seq 5); do
      [ "$(wc -l <"$2" 2>/dev/null || echo 0)" -ge "$3" ] && return 0
      sleep 0.1
    done
    box=$(xdotool search --onlyvisible --name '^Varnix$' 2>/dev/null | head -n 1 || true)
    [ -n "$box" ] && xdotool windowfocus --sync "$box" key Return
  done
  fail "PLAY started no emulator (expected $3 log lines)"
}

# Holds the first read of DIRECTORY by the process PID, whichever of its
# threads makes it, for SECONDS (strace's delay injection, a slow share's
# stand-in); the trace of that directory's reads goes to TRACE.
hold_directory_read() {  # hold_directory_read PID DIRECTORY SECONDS TRACE
  strace -f -y -P "$2" -e trace=getdents64 -e inject=getdents64:delay_exit="$3"000000:when=1 \
    -o "$4" -p "$1" 2>"$4.attached" &
  strace_pid=$!
  for _ in $(seq 100); do grep -q attached "$4.attached" && return 0; sleep 0.1; done
  fail "strace did not attach to $1"
}
# Whether the held directory has been read to its end.
read_ended() { grep -q 'getdents64(.*) = 0$' "$1"; }
wait_for_read_end() {  # wait_for_read_end TRACE
  for _ in $(seq 300); do read_ended "$1" && return 0; sleep 0.1; done
  fail "the held directory was never read to its end: $(cat "$1")"
}

# A slow MAME folder, chosen, then SNES chosen while it is read, and PLAY
# pressed with no ROM picked: the window answers before the read ends ("No
# file selected!"). Once the read has ended, SNES's first ROM is played:
# MAME's names, come late, never replace SNES's. Expects SNES's first ROM as
# log line 1 and N lines so far. PROCESS is the one that reads the folders.
choose_another_during_a_slow_read() {  # choose_another_during_a_slow_read WINDOW PROCESS MAME-DIR LOG N
  local trace=$work/slow-read window=$1 process=$2 box=
  shift 2
  click_twips "$window" 240 2520  # SNES, from which MAME is chosen
  hold_directory_read "$process" "$1" 5 "$trace"
  click_twips "$window" 240 4380  # MAME
  click_twips "$window" 240 2520  # SNES
  click_twips "$window" 7200 6060  # PLAY
  box=$(wait_for_window '^Varnix$' 3) || fail "PLAY was not answered while MAME's folder was read"
  read_ended "$trace" && fail "PLAY was answered only once MAME's folder had been read"
  xdotool windowfocus --sync "$box" key Return
  wait_for_read_end "$trace"
  # strace lets go of the program (LeakSanitizer cannot work under it).
  kill "$strace_pid"
  wait "$strace_pid" 2>/dev/null || true
  strace_pid=
  play_first_rom "$window" "$2" $(($3 + 1))
  [ "$(sed -n "$(($3 + 1))p" "$2")" = "$(sed -n 1p "$2")" ] \
    || fail "the list after the slow read is not SNES's: $(cat "$2")"
}

# A slow MAME folder that then fails (a share that drops), chosen, and PLAY
# pressed meanwhile: "No file selected!" is the only box while it is open,
# however the read ends meanwhile; the failure's own box comes once it is
# closed. PROCESS is the one that reads the folders.
a_failing_read_waits_for_the_open_box() {  # a_failing_read_waits_for_the_open_box WINDOW PROCESS MAME-DIR
  local trace=$work/failing-read window=$1 box=
  click_twips "$window" 240 2520  # SNES, from which MAME is chosen
  strace -f -y -P "$3" -e trace=getdents64 -e inject=getdents64:error=EIO:delay_enter=2000000:when=1 \
    -o "$trace" -p "$2" 2>"$trace.attached" &
  strace_pid=$!
  for _ in $(seq 100); do grep -q attached "$trace.attached" && break; sleep 0.1; done
  click_twips "$window" 240 4380  # MAME
  click_twips "$window" 7200 6060  # PLAY
  box=$(wait_for_window '^Varnix$' 3) || fail "PLAY was not answered while MAME's folder was read"
  for _ in $(seq 100); do grep -q 'INJECTED' "$trace" && break; sleep 0.1; done
  grep -q 'INJECTED' "$trace" || fail "MAME's folder read did not fail: $(cat "$trace")"
  sleep 1
  [ "$(xdotool search --onlyvisible --name '^Varnix$' | wc -l)" -eq 1 ] \
    || fail "a second box opened on top of \"No file selected!\""
  xdotool windowfocus --sync "$box" key Return
  for _ in $(seq 50); do
    box=$(xdotool search --onlyvisible --name '^Varnix$' 2>/dev/null | head -n 1 || true)
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || fail "the failed read was never reported"
  [ "$(xdotool search --onlyvisible --name '^Varnix$' | wc -l)" -eq 1 ] || fail "two boxes at once"
  xdotool windowfocus --sync "$box" key Return
  kill "$strace_pid"
  wait "$strace_pid" 2>/dev/null || true
  strace_pid=
}

# A full set: COUNT zips named from c0000.zip, and sf2ce.zip, in MAME-DIR.
# MAME is chosen anew, its first row picked and "sf2c" typed: the letters
# find the game together, not each on its own ("c" would find c0000.zip).
# PLAY must start it as log line N.
type_a_name_and_play() {  # type_a_name_and_play WINDOW MAME-DIR COUNT LOG N
  local window=$1 i
  for ((i = 0; i < $3; i++)); do : >"$2/$(printf 'c%04d.zip' "$i")"; done
  : >"$2/sf2ce.zip"
  click_twips "$window" 240 2520  # SNES
  click_twips "$window" 240 4380  # MAME, read anew
  sleep 1
  click_twips "$window" 6600 2040
  xdotool type --delay 60 sf2c
  click_twips "$window" 7200 6060
  wait_for_log_lines "$4" "$5"
  python3 - "$4" "$5" <<'PYTHON' || fail "typing sf2c did not start sf2ce"
import json, sys
line = open(sys.argv[1], encoding="utf-8", errors="surrogateescape").read().splitlines()[int(sys.argv[2]) - 1]
sys.exit(0 if json.loads(line)["argv"][-1] == "sf2ce" else "started " + line)
PYTHON
}
