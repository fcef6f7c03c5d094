#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and testing need, builds everything, checks that a
# Release build builds and that every source file names its licence, and
# runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/setup.sh" --tests
cd "$root"

# Every build type must build with warnings as errors; Release inlines the
# most and so meets warnings the others do not. The library and the program
# prove it.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
echo "Checking that a Release build builds..."
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DSZEPTACZKI_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-release -j "$(nproc)" --target szeptaczki

"$root/scripts/spdx-headers.sh" --check

cd "$root/build"
ctest --output-on-failure -j "$(nproc)" --timeout 600
