#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared set-up of run.sh and test.sh: Debian packages, configuration, build.
#   scripts/setup.sh           what building and running the program need;
#                              builds the program and its data tree
#   scripts/setup.sh --tests   also the test tools; builds everything
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

tests=false
case "${1:-}" in
  "") ;;
  --tests) tests=true ;;
  *) echo "usage: scripts/setup.sh [--tests]" >&2; exit 2 ;;
esac

# Building the program and generating its data tree.
packages=(
  build-essential cmake ninja-build pkg-config
  libsdl2-dev libsdl2-ttf-dev libturbojpeg0-dev libsimpleini-dev libstb-dev libsqlite3-dev
  libcairo2-dev libfreetype-dev librsvg2-dev
  fonts-dejavu-core fonts-liberation2 fonts-noto-color-emoji espeak-ng
  sox
)
# The tests, benchmarks and checks: a display server for the real window,
# a browser for the report's pages, the desktop and package checkers.
$tests && packages+=(
  libgtest-dev libbenchmark-dev libpixman-1-dev
  xvfb x11-utils chromium
  desktop-file-utils appstream debhelper lintian
)
"$root/scripts/install-packages.sh" "${packages[@]}"

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
elif $tests; then
  # A build configured before the test tools were installed finds them now.
  cmake -S . -B build >/dev/null
fi
if $tests; then
  cmake --build build -j "$(nproc)"
else
  # The program and its data tree only.
  cmake --build build -j "$(nproc)" --target szeptaczki szeptaczki-data
fi
