#!/usr/bin/env bash
# Installs what the build, the program and the tests need (Debian 12), when
# it is missing; quiet when everything is there. Then configures and builds.
#   scripts/setup.sh [BUILD_DIR [extra cmake arguments...]]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libssl-dev libbenchmark-dev
  clang
  xvfb xauth x11-utils imagemagick poppler-utils
  fonts-wine fonts-liberation2 fonts-dejavu-core
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build=${1:-"$here/build"}
shift || true
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
