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
log="$build/run_build.log"
changed() {
  [[ ! -x "$program" || ! -x "$build/bin/TelvarionSimulate" || ! -f "$stamp" ]] && return 0
  [[ -n "$(find "$root/CMakeLists.txt" "$root/cmake" "$root/ui" "$root/libs" "$root/resources" "$root/themes" \
    "$root/translations" "$root/program" -newer "$stamp" -print -quit)" ]]
}
# The build's progress from its step lines (Ninja's "[12/345]", Make's "[ 42%]") with the time
# so far: one line redrawn on a terminal, a line every tenth otherwise.
show_progress() {
  local line percent last=-1 since
  while IFS= read -r line; do
    if [[ $line =~ ^\[\ *([0-9]+)/([0-9]+)\] ]]; then
      percent=$((BASH_REMATCH[1] * 100 / BASH_REMATCH[2]))
    elif [[ $line =~ ^\[\ *([0-9]+)%\] ]]; then
      percent=${BASH_REMATCH[1]}
    else
      continue
    fi
    since=$((SECONDS - started))
    if [[ -t 1 ]]; then
      ((percent != last)) && printf '\r  %3d %%  (%d min %02d s)' "$percent" $((since / 60)) $((since % 60))
    elif ((percent / 10 != last / 10)); then
      printf '  %3d %%  (%d min %02d s)\n' "$percent" $((since / 60)) $((since % 60))
    fi
    last=$percent
  done
  if [[ -t 1 ]]; then echo; fi
}
if changed; then
  if [[ -x "$program" ]]; then
    echo "Rebuilding what changed since the last start (the compiler's lines go to $log)."
  else
    echo "Building Telvarion for its first start, without the tests, on $(nproc) cores: this takes some minutes (a few on a desktop machine, longer on a small one; the compiler's lines go to $log)."
  fi
  # The client, and the command that drives its simulated service (README).
  mkdir -p "$build"
  started=$SECONDS
  if ! "$root/scripts/build.sh" Telvarion TelvarionSimulate 2>&1 | tee "$log" | show_progress; then
    echo "The build failed; its last lines, from $log:" >&2
    tail -n 30 "$log" >&2
    exit 1
  fi
  elapsed=$((SECONDS - started))
  printf 'Built in %d min %02d s.\n' $((elapsed / 60)) $((elapsed % 60))
  touch "$stamp"
fi
exec "$program" "$@"
