#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: Debian packages, build, default data tree.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-ttf-dev libturbojpeg0-dev libsimpleini-dev libstb-dev
  libgtest-dev libbenchmark-dev libpixman-1-dev
  libcairo2-dev libfreetype-dev librsvg2-dev
  xvfb
  fonts-dejavu-core fonts-liberation2 fonts-noto-color-emoji espeak-ng
  sox
  chromium desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build -j "$(nproc)"

# The default data tree lives beside the program; it is made again when the
# generator is newer than the tree.
if [ -x build/szeptaczki-datagen ]; then
  stamp=build/Data/.generated
  if [ ! -f "$stamp" ] || [ build/szeptaczki-datagen -nt "$stamp" ]; then
    echo "Generating the default data tree..."
    build/szeptaczki-datagen build
  fi
fi
