# Shared by the end-to-end tests. Source it after setting `program`.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the calling script again under a virtual display, once.
rerun_under_xvfb() {
  if [ -z "${VARNIX_E2E_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env VARNIX_E2E_DISPLAY=1 "$@"
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
