#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The random-play soak on demand: scripts/soak.sh [--runs N] [--seed S]
# (defaults 500 runs from seed 1). Needs a build with the data tree
# (./scripts/setup.sh). A failing seed is replayed alone with --runs 1 --seed S.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs=500
seed=1
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --seed) seed="$2"; shift 2 ;;
    *) echo "usage: $0 [--runs N] [--seed S]" >&2; exit 2 ;;
  esac
done
SZ_SOAK_RUNS="$runs" SZ_SOAK_SEED="$seed" SZ_PROGRAM="$root/build/szeptaczki" \
  "$root/build/szeptaczki-tests" --gtest_filter='RandomPlaySoak.*'
