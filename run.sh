#!/usr/bin/env bash
# Installs what building and running need, builds the program and its data
# tree, and starts the program with the given arguments.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/setup.sh"
exec "$root/build/szeptaczki" "$@"
