#!/bin/bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the animated games cost while they run in a real window: the CPU time
# of the program (all its threads) per second of play, under Xvfb, beside two
# minimal programs that show a whole new frame every 40 ms (through the window
# surface and through SDL's software renderer) measured the same way in the
# same run. Cases are interleaved run by run; the table gives medians.
#
#   scripts/frame-cost.sh [--runs N] [--seconds S] [--display N] [NAME=PROGRAM ...]
#
# NAME=PROGRAM pairs compare builds (e.g. before=/tmp/old/szeptaczki); by
# default the program beside the anchor in build/ is measured. SIZES and
# GAMES (e.g. SIZES=1024x768 GAMES=conveyor) narrow the cases measured. Needs Xvfb and a
# generated data tree in build/. Only the X server's client is measured, not
# the X server itself. On a busy machine the figures are noisy: compare the
# program with the anchors of the same run rather than with older figures.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
runs=3
seconds=8
display=730
programs=()
while [ $# -gt 0 ]; do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --display) display=$2; shift 2 ;;
    *=*) programs+=("$1"); shift ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
    esac
done
[ ${#programs[@]} -gt 0 ] || programs=("program=$build/szeptaczki")
anchor=$build/szeptaczki-frame-anchor
[ -x "$anchor" ] || { echo "build the anchor first: cmake --build build --target szeptaczki-frame-anchor" >&2; exit 2; }
[ -f "$build/Data/.generated" ] || { echo "no generated data tree in build/ (scripts/setup.sh)" >&2; exit 2; }

work=$(mktemp -d)
xservers=()
cleanup() {
    for pid in "${xservers[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

sizes=(${SIZES:-1024x768 1920x1080 3840x2160})
declare -A displayOf
n=$display
for size in "${sizes[@]}"; do
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
    xservers+=($!)
    displayOf[$size]=$n
    n=$((n + 1))
done
sleep 2

# A design-area point (x, y) as a window point on a screen of the given size:
# 1024 x 768 is shown as it is; the 16:9 screens show 1280 x 960 scaled to
# their height and centred.
point() {
    local size=$1 x=$2 y=$3 w=${1%x*} h=${1#*x}
    if [ "$size" = 1024x768 ]; then
        echo "$x $y"
    else
        awk -v w="$w" -v h="$h" -v x="$x" -v y="$y" \
            'BEGIN { s = h / 960; l = (w - 1280 * s) / 2; printf "%d %d\n", l + (x + 0.5) * s, (y + 0.5) * s }'
    fi
}

# The menu's game tab, then its start button; then the game as the case wants it.
game_script() {
    local size=$1 game=$2 tab start
    if [ "$size" = 1024x768 ]; then
        [ "$game" = forklift ] && tab="774 439" || tab="774 529"
        start="567 679"
    else
        [ "$game" = forklift ] && tab="942 549" || tab="942 662"
        start="695 843"
    fi
    # The splash screen first.
    echo "wait 2500"
    echo "expect form FormMain"
    echo "click $(point "$size" $tab)"
    echo "click $(point "$size" $start)"
    if [ "$game" = forklift ]; then
        echo "expect form FormWidlak"
        echo "wait 600000"
    else
        echo "expect form FormTasmociag"
        # The crane goes to and fro above the running belt.
        for _ in $(seq 200); do
            echo "keydown Right"; echo "wait 1200"; echo "keyup Right"
            echo "keydown Left"; echo "wait 1200"; echo "keyup Left"
        done
    fi
}

# CPU nanoseconds of every thread of a process so far.
cpu_ns() {
    local total=0 t v
    for t in /proc/"$1"/task/*/schedstat; do
        read -r v _ <"$t" 2>/dev/null || continue
        total=$((total + v))
    done
    echo "$total"
}

# Starts a command, lets it settle, measures S seconds, ends it; prints ms/s.
measure() {
    local settle=$1; shift
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep "$settle"
    if ! kill -0 "$pid" 2>/dev/null; then echo "nan"; return; fi
    local a b
    a=$(cpu_ns "$pid")
    sleep "$seconds"
    b=$(cpu_ns "$pid")
    kill -TERM "$pid" 2>/dev/null || true
    for _ in 1 2 3 4 5 6; do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk -v d=$((b - a)) -v s="$seconds" 'BEGIN { printf "%.2f\n", d / 1e6 / s }'
}

run_program() {
    local program=$1 size=$2 game=$3 root=$work/root-$RANDOM
    mkdir -p "$root/Data"
    for d in "$build"/Data/*/; do ln -s "$d" "$root/Data/$(basename "$d")"; done
    ln -s "$build/RESOURCE" "$root/RESOURCE"
    game_script "$size" "$game" >"$root/script.txt"
    # Measured from 10 s on: the splash screen, the menu, the game's start
    # and its first arrows' hint are over by then.
    DISPLAY=:${displayOf[$size]} measure 10 "$program" --root "$root" --seed 7 --script "$root/script.txt"
    rm -rf "$root"
}

cases=()
for p in "${programs[@]}"; do
    for game in ${GAMES:-forklift conveyor}; do
        for size in "${sizes[@]}"; do cases+=("${p%%=*}:$game@$size"); done
    done
done
for a in surface renderer; do
    for size in "${sizes[@]}"; do cases+=("anchor-$a:x@$size"); done
done

declare -A results
for run in $(seq "$runs"); do
    for c in "${cases[@]}"; do
        name=${c%%:*} rest=${c#*:} game=${rest%@*} size=${rest#*@}
        if [[ $name == anchor-* ]]; then
            v=$(DISPLAY=:${displayOf[$size]} measure 2 "$anchor" "${name#anchor-}" "${size%x*}" "${size#*x}" $((seconds + 10)))
        else
            prog=""
            for p in "${programs[@]}"; do [ "${p%%=*}" = "$name" ] && prog=${p#*=}; done
            v=$(run_program "$prog" "$size" "$game")
        fi
        results[$c]="${results[$c]:-} $v"
        echo "run $run: $c $v ms/s" >&2
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
declare -A med
for c in "${cases[@]}"; do med[$c]=$(echo "${results[$c]}" | median); done

printf '\nCPU time of the process per second of play (ms/s), median of %s runs of %s s, in a real window under Xvfb\n' "$runs" "$seconds"
printf '%-34s %10s %14s %14s   %s\n' case ms/s "/ surface" "/ renderer" runs
for c in "${cases[@]}"; do
    size=${c#*@}
    s=${med[anchor-surface:x@$size]:-} r=${med[anchor-renderer:x@$size]:-}
    rs=$(awk -v a="${med[$c]}" -v b="$s" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }')
    rr=$(awk -v a="${med[$c]}" -v b="$r" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "-" }')
    printf '%-34s %10s %14s %14s  %s\n' "$c" "${med[$c]}" "$rs" "$rr" "${results[$c]}"
done
