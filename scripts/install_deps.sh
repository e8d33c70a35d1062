#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt; does nothing when all are present.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
mapfile -t pkgs < <(grep -v '^\s*#' "$here/packages.txt" | grep -v '^\s*$')
# One query for every package: a start with everything present costs next to nothing.
mapfile -t installed < <(dpkg-query -W -f='${Status} ${Package}\n' "${pkgs[@]}" 2>/dev/null |
  awk '$1 == "install" && $2 == "ok" && $3 == "installed" { print $4 }')
missing=()
for p in "${pkgs[@]}"; do
  [[ " ${installed[*]} " == *" $p "* ]] || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "install_deps: missing packages: ${missing[*]} (run as root to install them)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
