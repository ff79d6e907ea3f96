# Shared by the end-to-end tests. Source it after setting `program`.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the calling script again under a virtual display, once.
rerun_under_xvfb() {
  if [ -z "${VARNIX_E2E_DISPLAY:-}" ]; then
    exec "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/with-xvfb" env VARNIX_E2E_DISPLAY=1 "$@"
  fi
}

# The window's client area lies below its menu bar; controls are placed in
# twips, 15 to a pixel.
client_top() {  # client_top WINDOW
  local height
  height=$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p')
  echo $((height - 443))
}

# Clicks at a point given in twips of the client area.
click_twips() {  # click_twips WINDOW X Y
  local top
  top=$(client_top "$1")
  xdotool mousemove --window "$1" --sync $(($2 / 15)) $((top + $3 / 15)) click 1
}

# Makes the test's own workspace, $work, from a mktemp template, and removes
# it on exit with every process started from it and the program in $pid.
make_workspace() {  # make_workspace TEMPLATE
  work=$(mktemp -d "$1")
  pid=
  trap 'cleanup_workspace' EXIT
}
cleanup_workspace() {
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
