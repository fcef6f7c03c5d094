#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target in turn for SECONDS each (default 60), with address
# and undefined-behaviour checks, one job at a time, and prints how many
# inputs each one ran. New inputs are kept in a scratch corpus beside the
# build; only findings are worth copying into fuzz/corpus/<name>/.
# With --runs N a target also stops once it has run N inputs.
#   fuzz/run.sh [--runs N] [SECONDS] [TARGET...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs_limit=()
if [ "${1:-}" = "--runs" ]; then
  [ -n "${2:-}" ] || { echo "fuzz/run.sh: --runs needs a number" >&2; exit 2; }
  runs_limit=(-runs="$2")
  shift 2
fi
seconds="${1:-60}"
shift || true
build="$root/build-fuzz"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
# The JPEG decoder's source from Debian (deb-src entries needed), built with
# the targets' instrumentation; without it the system's library is used.
jpeg_source="$(ls -d "$build"/src/libjpeg-turbo-*/ 2>/dev/null | head -1 || true)"
if [ -z "$jpeg_source" ] && command -v apt-get >/dev/null; then
  mkdir -p "$build/src"
  (cd "$build/src" && apt-get source -qq libjpeg-turbo) >"$build/jpeg-source-log.txt" 2>&1 || true
  jpeg_source="$(ls -d "$build"/src/libjpeg-turbo-*/ 2>/dev/null | head -1 || true)"
fi
if [ -z "$jpeg_source" ]; then
  echo "fuzz/run.sh: no source of the JPEG decoder (apt-get source libjpeg-turbo): the jpeg target sees only the program's side" >&2
fi
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSZEPTACZKI_FUZZ=ON -DSZ_FUZZ_JPEG_SOURCE="${jpeg_source%/}" "${launcher[@]}" >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in "$root"/fuzz/fuzz_*.cpp; do
    name="$(basename "$src" .cpp)"
    targets+=("${name#fuzz_}")
  done
fi
# The compiler cache does not know the ignore list is read: when the list has
# changed, compile afresh instead of taking what the cache kept.
digest="$(md5sum "$root/fuzz/coverage-ignore.txt" | cut -d' ' -f1)"
if [ "$(cat "$build/ignore-digest" 2>/dev/null || true)" != "$digest" ]; then
  export CCACHE_RECACHE=1
fi
if ! cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}" >"$build/build-log.txt" 2>&1; then
  grep -E -A3 'error|FAILED' "$build/build-log.txt" | head -40 >&2
  echo "fuzz/run.sh: the fuzz build failed; the whole log is $build/build-log.txt" >&2
  exit 2
fi

unset CCACHE_RECACHE
echo "$digest" >"$build/ignore-digest"

# The first report of either checker ends the run with the input saved.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:abort_on_error=1:print_stacktrace=1}"
status=0
summary=""
for name in "${targets[@]}"; do
  work="$build/campaign/$name"
  mkdir -p "$work/corpus" "$work/findings"
  log="$work/log.txt"
  started=$SECONDS
  set +e
  "$build/fuzz/fuzz_$name" -max_total_time="$seconds" "${runs_limit[@]}" -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$work/corpus" "$root/fuzz/corpus/$name" >"$log" 2>&1
  rc=$?
  set -e
  took=$((SECONDS - started))
  runs="$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' | tail -1)"
  result="ok"
  if [ $rc -ne 0 ]; then
    result="FINDING (exit $rc, see $log and $work/findings/)"
    status=1
  fi
  line="$(printf '%-10s %14s executions in %5ss  %s' "$name" "${runs:-?}" "$took" "$result")"
  echo "$line"
  summary+="$line"$'\n'
done
echo "----"
printf '%s' "$summary"
exit $status
