#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window under Xvfb, as a desktop sees it: --windowed opens a window
# of the design area that suits the screen (not the whole screen), its class
# is the desktop entry's StartupWMClass, and it carries the program's icon.
#   window-identity.sh PROGRAM DESKTOP-ENTRY
set -euo pipefail
program=$1
entry=$2
build=$(cd "$(dirname "$program")" && pwd)
work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to fd 3. On a
# machine busy with the rest of the suite it may take a while to come up; the
# program is started only once the server answers.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb gave no display number within 60 s" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
for _ in $(seq 300); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

# The built data tree and icons, with settings and statistics of its own.
mkdir -p "$work/root/Data" "$work/home"
ln -s "$build/RESOURCE" "$build/icons" "$work/root/"
for file in "$build"/Data/*; do
  [ "$(basename "$file")" = data.ini ] || ln -s "$file" "$work/root/Data/"
done
# The script's end closes the program, splash or main menu.
printf 'wait 5000\n' >"$work/script.txt"
HOME="$work/home" SDL_AUDIODRIVER=dummy "$program" --windowed --root "$work/root" --script "$work/script.txt" \
  >"$work/program.txt" 2>&1 &
pid=$!
# What the program said, for a failure's report.
said() { cat "$work/program.txt" >&2; }

window=
for _ in $(seq 300); do
  window=$(xwininfo -root -tree | grep '"Szeptaczki Cz.VI"' | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no window titled Szeptaczki Cz.VI appeared" >&2; said; exit 1; }
id=$(awk '{print $1}' <<<"$window")
echo "window: $window"

status=0
expected_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$expected_class" ] || { echo "$entry has no StartupWMClass" >&2; status=1; }
class=$(xprop -id "$id" WM_CLASS 2>&1 || true)
echo "$class"
grep -qF "\"$expected_class\", \"$expected_class\"" <<<"$class" || { echo "class is not $expected_class" >&2; status=1; }
# 1920 x 1080 gets the 1280 x 960 design area.
grep -qE ' 1280x960\+' <<<"$window" || { echo "the window is not 1280x960" >&2; status=1; }
# The icon is set just after the window is made: asked again for a while.
for _ in $(seq 50); do
  icon=$(xprop -id "$id" _NET_WM_ICON 2>&1 | head -n 2 || true)
  grep -q 'Icon (64 x 64)' <<<"$icon" && break
  sleep 0.1
done
echo "$icon"
grep -q 'Icon (64 x 64)' <<<"$icon" || { echo "no 64 x 64 _NET_WM_ICON" >&2; status=1; }

wait "$pid" || { echo "the program ended with $?" >&2; status=1; }
[ $status -eq 0 ] || said
pid=
exit $status
