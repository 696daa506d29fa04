#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Shoot a Lot need.
# Packages that are already installed are skipped, so a second run costs nothing.
set -euo pipefail

packages=(
  build-essential      # g++ and make
  cmake
  qt6-base-dev         # Qt Core, Gui, Widgets, Test
  qt6-multimedia-dev   # QSoundEffect for the sound cues
  qt6-qpa-plugins      # the xcb and offscreen platform plugins
  libgl-dev            # Qt's CMake package asks for OpenGL headers
  fonts-ipafont-gothic # IPAPGothic, the stand-in for the windows' Japanese Gothic face
)
case "${1:-}" in
  --with-tools) packages+=(xvfb xauth imagemagick) ;;      # screenshots under a virtual display
  --with-bench) packages+=(libbenchmark-dev) ;;            # make bench
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo_cmd=(sudo); else
    echo "install-deps: need root or sudo to install ${missing[*]}" >&2; exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
