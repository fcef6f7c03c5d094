#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file names its licence and copyright in SPDX lines at its top:
# the project's drawings (tools/datagen/svg) are CC-BY-SA-4.0, everything
# else GPL-3.0-or-later (LICENSE says what each licence covers).
#   scripts/spdx-headers.sh --check   lists the files without the lines; fails if any
#   scripts/spdx-headers.sh --apply   adds the lines where they are missing
# The files are those git knows, so a new file is covered once it is added.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
mode="${1:-}"
[[ "$mode" == --check || "$mode" == --apply ]] || { echo "usage: $0 --check|--apply" >&2; exit 2; }

copyright="2026 the Szeptaczki developers"

# How a file's comments are written, or nothing for a file that takes none.
style() {
  case "$1" in
    LICENSES/* | packaging/debian/changelog | packaging/debian/copyright | packaging/debian/source/*) ;;
    *.cpp | *.h | *.c | *.cc | *.hpp) echo c ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | .ci/* | *.desktop | packaging/screenshot.txt | \
      packaging/debian/*) echo hash ;;
    *.svg | *.xml | *.xml.in) echo xml ;;
    *.[1-8]) echo roff ;;
  esac
}

licence() {
  case "$1" in
    tools/datagen/svg/*) echo CC-BY-SA-4.0 ;;
    *) echo GPL-3.0-or-later ;;
  esac
}

comment() {
  case "$1" in
    c) echo "// $2" ;;
    hash) echo "# $2" ;;
    xml) echo "<!-- $2 -->" ;;
    roff) echo ".\\\" $2" ;;
  esac
}

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  kind=$(style "$file")
  [ -n "$kind" ] || continue
  if head -n 5 "$file" | grep -q 'SPDX-License-Identifier:'; then
    continue
  fi
  if [[ "$mode" == --check ]]; then
    echo "no SPDX-License-Identifier: $file" >&2
    missing=$((missing + 1))
    continue
  fi
  lines="$(comment "$kind" "SPDX-FileCopyrightText: $copyright")"$'\n'"$(comment "$kind" "SPDX-License-Identifier: $(licence "$file")")"
  tmp="$file.spdx-tmp"
  # A first line that must stay first (#!, <?xml) keeps its place.
  if head -n 1 "$file" | grep -qE '^(#!|<\?xml)'; then
    { head -n 1 "$file"; printf '%s\n' "$lines"; tail -n +2 "$file"; } >"$tmp"
  else
    { printf '%s\n' "$lines"; cat "$file"; } >"$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
done < <(git ls-files -z --cached --others --exclude-standard)

if [[ "$mode" == --check ]]; then
  if ((missing)); then
    echo "$missing files lack their licence line: scripts/spdx-headers.sh --apply adds it" >&2
    exit 1
  fi
  echo "Every source file names its licence."
fi
