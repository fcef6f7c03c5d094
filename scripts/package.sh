#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages szeptaczki (the program), szeptaczki-data (its
# data tree) and szeptaczki-dbgsym (the program's debug symbols) with
# dpkg-buildpackage, from a copy of the checkout's files in a folder of its
# own, and checks them with lintian (the .changes: the packages and the
# build information).
#   scripts/package.sh [--out DIR] [--no-lintian]
# The packages land in DIR (by default build/packages), built in a copy of
# the sources in DIR/szeptaczki-VERSION that is removed afterwards.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build/packages"
lint=true
while (($#)); do
  case "$1" in
    --out) out="$(realpath -m "$2")"; shift 2 ;;
    --no-lintian) lint=false; shift ;;
    *) echo "usage: scripts/package.sh [--out DIR] [--no-lintian]" >&2; exit 2 ;;
  esac
done

# The build dependencies, as packaging/debian/control names them, and the tools.
mapfile -t build_deps < <(sed -n '/^Build-Depends:/,/^$/p' "$root/packaging/debian/control" |
  sed -e 's/^Build-Depends://' -e 's/([^)]*)//g' | tr ',' '\n' | sed -e 's/^[[:space:]]*//;s/[[:space:]]*$//' |
  grep -v -e '^$' -e '^debhelper-compat')
"$root/scripts/install-packages.sh" dpkg-dev debhelper lintian "${build_deps[@]}"

version=$(dpkg-parsechangelog -l "$root/packaging/debian/changelog" -S Version)
src="$out/szeptaczki-$version"
rm -rf "$out"
mkdir -p "$src"
# The files git knows (or, outside a checkout, everything but the builds),
# with the Debian packaging where dpkg-buildpackage looks for it.
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  git -C "$root" ls-files -z --cached --others --exclude-standard |
    tar -C "$root" --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -C "$src" -xf -
else
  tar -C "$root" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$src" -xf -
fi
cp -a "$root/packaging/debian" "$src/debian"

(cd "$src" && DEB_BUILD_OPTIONS="parallel=$(nproc) ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -b -uc -us)
rm -rf "$src"
ls -l "$out"
if $lint; then
  echo "Checking the packages with lintian..."
  lintian --pedantic -I -E --fail-on error,warning "$out"/*.changes
fi
