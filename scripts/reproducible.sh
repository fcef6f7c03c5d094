#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages twice, in two different folders, and checks that
# the two builds gave byte-identical packages.
#   scripts/reproducible.sh [WORKDIR]   (by default build/reproducible)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$(realpath -m "${1:-$root/build/reproducible}")"
rm -rf "$work"
"$root/scripts/package.sh" --out "$work/first" --no-lintian
"$root/scripts/package.sh" --out "$work/second-build/elsewhere" --no-lintian
status=0
# Debian 12's debhelper names the debug package .deb; older ones .ddeb.
shopt -s nullglob
compared=0
for deb in "$work"/first/*.deb "$work"/first/*.ddeb; do
  compared=$((compared + 1))
  name=$(basename "$deb")
  other="$work/second-build/elsewhere/$name"
  if cmp -s "$deb" "$other"; then
    echo "identical: $name $(sha256sum <"$deb" | cut -c1-64)"
  else
    echo "DIFFERENT: $name" >&2
    status=1
    # What differs, file by file.
    diff <(dpkg-deb -c "$deb" | awk '{print $1, $3, $6}') \
         <(dpkg-deb -c "$other" 2>/dev/null | awk '{print $1, $3, $6}') >&2 || true
  fi
done
# A build that made no package must not pass as reproducible.
((compared)) || { echo "no packages to compare in $work/first" >&2; status=1; }
exit $status
