#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes screenshots of the train and memory screens in every display mode,
# drawn with the generated data tree, into the folder given (by default
# build/shots): the pictures to look at after changing those screens or their art.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-$root/build/shots}")"
cmake --build "$root/build" --target szeptaczki-shots szeptaczki-data
mkdir -p "$out"
SZ_SHOTS_DIR="$out" "$root/build/szeptaczki-shots"
echo "Screenshots in $out"
