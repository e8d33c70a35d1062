#!/usr/bin/env bash
# Installs what the build needs, builds, and starts the client on its simulated service.
# Without a display: xvfb-run -a scripts/run.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_deps.sh"
"$root/scripts/build.sh"
build="${TELVARION_BUILD_DIR:-$root/build}"
exec "$build/bin/Telvarion" "$@"
