#!/usr/bin/env bash
# Installs the Debian packages listed in the list files named as arguments (packages-build.txt,
# packages-play.txt, packages-test.txt) that are not installed yet.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
lists=()
for list in "$@"; do
  [ -f "$list" ] || list="$here/$list"
  lists+=("$list")
done
[ ${#lists[@]} -eq 0 ] && { echo "usage: $0 LIST..." >&2; exit 2; }
mapfile -t wanted < <(cat "${lists[@]}" | grep -v -E '^\s*(#|$)' | sort -u)
missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
