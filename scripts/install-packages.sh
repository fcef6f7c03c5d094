#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages named on the command line that are missing.
# Another package manager at work (an unattended upgrade, a software centre)
# holds its lock: this waits for it instead of failing. A package whose
# triggers are still pending counts as installed.
set -euo pipefail

installed() {
  case "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" in
    "install ok installed" | "install ok triggers-pending" | "install ok triggers-awaited") return 0 ;;
    *) return 1 ;;
  esac
}

missing=()
for p in "$@"; do
  installed "$p" || missing+=("$p")
done
((${#missing[@]})) || exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
wait_seconds=${SZ_APT_LOCK_WAIT:-900}

# Runs apt-get, waiting up to wait_seconds in all while another process holds
# a lock of the package manager. DPkg::Lock::Timeout covers dpkg's own lock;
# the lists lock of an update is waited for here.
apt_get() {
  local waited=0 log status
  log=$(mktemp)
  while :; do
    status=0
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout="$wait_seconds" "$@" 2>"$log" || status=$?
    if ((status == 0)) || ! grep -qE 'Could not get lock|Unable to acquire|is held by process' "$log" ||
      ((waited >= wait_seconds)); then
      cat "$log" >&2
      rm -f "$log"
      return "$status"
    fi
    ((waited == 0)) && echo "Waiting for another package manager to finish..." >&2
    sleep 5
    waited=$((waited + 5))
  done
}

echo "Installing: ${missing[*]}"
apt_get update -qq
apt_get install -y -qq "${missing[@]}"
