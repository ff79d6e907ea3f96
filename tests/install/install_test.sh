#!/usr/bin/env bash
# Installs the built program into a folder whose name holds a blank and a
# "$", checks the layout, that the installed program starts and ends on
# request, the desktop entry (validated, pointing at the installed program,
# removable), and the release bundle's file list.
set -euo pipefail
build=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)

failures=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what" >&2; failures=$((failures + 1)); fi
}
work=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

# The portable layout, flat in the prefix.
prefix="$work/My \$Games/varnix"
cmake --install "$build" --prefix "$prefix" >/dev/null
expected_files="LICENSE
README.md
docs/varnix.png
icons/varnix-128.png
icons/varnix-16.png
icons/varnix-24.png
icons/varnix-256.png
icons/varnix-32.png
icons/varnix-48.png
icons/varnix-64.png
install-desktop-entry
varnix
varnix-demo-emulator"
check "the install holds the program, the demo emulator, the docs and the icons" \
  test "$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)" = "$expected_files"
check "the programs are executable" test -x "$prefix/varnix" -a -x "$prefix/varnix-demo-emulator"

# The installed program starts in its folder and ends when asked to.
printf '%540s' '' >"$prefix/varnix.dat"
(cd "$prefix" && QT_QPA_PLATFORM=offscreen exec ./varnix) &
pid=$!
sleep 2
check "the installed program starts and keeps running" kill -0 "$pid"
kill -TERM "$pid"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
check "the installed program ends on request" bash -c "! kill -0 $pid 2>/dev/null"
pid=
check "the installed demo emulator records its start" \
  env VARNIX_DEMO_LOG="$work/log" "$prefix/varnix-demo-emulator" "a b"
check "... as one JSON line" grep -qx '{"argv": \[".*/varnix-demo-emulator", "a b"\], "cwd": ".*"}' "$work/log"

# The desktop entry, from the installed script, for a user of the test's own.
export XDG_DATA_HOME=$work/data
"$prefix/install-desktop-entry" >/dev/null
entry=$XDG_DATA_HOME/applications/varnix.desktop
check "the desktop entry is valid" desktop-file-validate "$entry"
check "Exec starts the installed program" \
  test "$(python3 "$here/desktop_entry.py" "$entry" Exec)" = "$prefix/varnix"
check "Path is the program's folder, where its settings are saved" \
  test "$(python3 "$here/desktop_entry.py" "$entry" Path)" = "$prefix"
check "the entry is filed under Game and Emulator" grep -qx 'Categories=Game;Emulator;' "$entry"
for edge in 16 24 32 48 64 128 256; do
  check "the ${edge}px icon is in the user's icon theme" \
    cmp -s "$prefix/icons/varnix-$edge.png" "$XDG_DATA_HOME/icons/hicolor/${edge}x${edge}/apps/varnix.png"
done
"$prefix/install-desktop-entry" --remove >/dev/null
check "--remove takes the entry and the icons away" \
  test -z "$(find "$XDG_DATA_HOME" -name 'varnix*')"

# The release bundle.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/bundle" >/dev/null)
bundle=$(ls "$work"/bundle/varnix-*.tar.gz)
name=$(basename "$bundle" .tar.gz)
check "the bundle is named with the version: $name" test "$name" = "varnix-0.31-linux-$(uname -m)"
check "the bundle holds the installed layout under one folder" \
  test "$(tar tzf "$bundle" | grep -v '/$' | sed "s|^$name/||" | LC_ALL=C sort)" = "$expected_files"

if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; exit 1; fi
