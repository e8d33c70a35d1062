#!/usr/bin/env bash
# Installs what the build needs, builds the client, what it loads and the command that drives
# its simulated service (not the tests), and starts it on its simulated service. When nothing
# it is built from changed since the last start, it starts at once. Without a display:
# xvfb-run -a scripts/run.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install_deps.sh"
build="${TELVARION_BUILD_DIR:-$root/build}"
program="$build/bin/Telvarion"
stamp="$build/.telvarion_run_stamp"
changed() {
  [[ ! -x "$program" || ! -x "$build/bin/TelvarionSimulate" || ! -f "$stamp" ]] && return 0
  [[ -n "$(find "$root/CMakeLists.txt" "$root/cmake" "$root/ui" "$root/libs" "$root/resources" "$root/themes" \
    "$root/translations" "$root/program" -newer "$stamp" -print -quit)" ]]
}
if changed; then
  # The client, and the command that drives its simulated service (README).
  "$root/scripts/build.sh" Telvarion TelvarionSimulate
  touch "$stamp"
fi
exec "$program" "$@"
