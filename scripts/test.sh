#!/usr/bin/env bash
# Installs what the build needs, builds, and runs every test headless.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_deps.sh"
"$root/scripts/build.sh"
build="${TELVARION_BUILD_DIR:-$root/build}"

runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
export QT_QPA_PLATFORM=offscreen
export QT_QUICK_BACKEND=software

cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
