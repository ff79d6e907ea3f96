# Shared by scripts/test and scripts/run-demo. Source it; it defines helpers.

# The packages the build, the tests and the demo need on Debian 12 / Ubuntu.
VARNIX_PACKAGES=(
  cmake g++ make
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick python3 procps desktop-file-utils strace
  fonts-dejavu-core
)

# Installs those of the given packages that are missing, with sudo when not
# root. Installed ones are left alone, so a ready machine installs nothing.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Waits up to $2 seconds for a visible window whose title matches $1 and
# prints its id.
wait_for_window() {
  local title=$1 seconds=$2 id
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
