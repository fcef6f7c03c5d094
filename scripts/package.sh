#!/usr/bin/env bash
# Builds the Debian package build/szeptaczki_<version>_<arch>.deb and checks it
# with lintian: the set-up of setup.sh, the packaging tools, then cpack.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"

# dpkg-shlibdeps (dpkg-dev) finds the package's library dependencies.
missing=()
for p in dpkg-dev lintian; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

cd "$root/build"
rm -f szeptaczki_*.deb
cpack
deb=(szeptaczki_*.deb)
echo "Checking ${deb[0]} with lintian..."
lintian --fail-on error "${deb[0]}"
echo "Built $root/build/${deb[0]}"
