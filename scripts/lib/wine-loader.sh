# Source it: decides, in one place, which Wine loader starts Windows programs.
#
# Debian's `wine` and `wineboot` start Wine's 32-bit loader once wine32 is
# installed, and a kernel that runs no 32-bit program (32-bit emulation off)
# refuses it even for 64-bit programs. There the 64-bit loader, started
# directly with WINELOADER naming it, runs every 64-bit program.

# runs_32bit: whether this machine runs 32-bit programs. VARNIX_RUNS_32BIT=no
# tells it "no" on a machine that could; otherwise it is found out once, by
# running a 32-bit program (the smallest i386 one: exit with status 0), and
# exported for every script and test started from here.
runs_32bit() {
  if [ -z "${VARNIX_RUNS_32BIT:-}" ]; then
    local probe
    probe=$(mktemp "${TMPDIR:-/tmp}/varnix-i386.XXXXXX")
    # ELF header, one loadable segment, then: xor ebx,ebx; mov eax,1 (exit); int 0x80
    local elf='\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08\x34\0\0\0'
    elf+='\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0'
    elf+='\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x5d\0\0\0\x5d\0\0\0\x05\0\0\0\0\x10\0\0'
    elf+='\x31\xdb\xb8\x01\0\0\0\xcd\x80'
    # shellcheck disable=SC2059  # the bytes are the format
    printf "$elf" >"$probe"
    chmod +x "$probe"
    if "$probe" 2>/dev/null; then VARNIX_RUNS_32BIT=yes; else VARNIX_RUNS_32BIT=no; fi
    rm -f "$probe"
    export VARNIX_RUNS_32BIT
  fi
  [ "$VARNIX_RUNS_32BIT" = yes ]
}

# wine_loader: sets `wine`, the command that starts a Windows program (or
# wineboot, or reg) under Wine on this machine, and exports WINELOADER where
# the 64-bit loader must be named.
wine_loader() {
  if runs_32bit; then
    wine=(wine)
    return
  fi
  local loader=/usr/lib/wine/wine64
  [ -x "$loader" ] || loader=$(command -v wine64 || echo /usr/lib/wine/wine64)
  export WINELOADER=$loader
  wine=("$loader")
}

# fresh_wineserver: ends the Wine server of WINEPREFIX if one is running (its
# desktop process may sit on a display that is gone, where every new window
# would wait for ever) and starts one that stays up until stop_wineserver.
fresh_wineserver() {
  wineserver -k 2>/dev/null || true
  wineserver -p
}
stop_wineserver() { wineserver -k 2>/dev/null || true; }
