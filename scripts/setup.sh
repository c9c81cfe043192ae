#!/usr/bin/env bash
# Shared set-up for run.sh and test.sh: installs the Debian 12 packages that are missing,
# then configures and builds. Source it; it sets QX_ROOT.
set -euo pipefail
QX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

QX_PACKAGES=(
  g++ cmake ninja-build pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev sqlite3
  libcairo2-dev libpango1.0-dev libgtk-3-dev libwebkit2gtk-4.1-dev
  fonts-noto-cjk fonts-dejavu-core
  glib-networking ca-certificates libgl1-mesa-dri
  xvfb xauth x11-utils xdotool openssl imagemagick openbox xcompmgr
)

qx_install_missing() {
  local missing=()
  for p in "${QX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "All required packages are installed."
  fi
}

# qx_build DIR [cmake options...]
qx_build() {
  local dir=$1; shift
  cmake -S "$QX_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
