#!/usr/bin/env bash
# Remakes the pictures of the README: builds the client, starts it under a virtual display on
# a fresh data folder, signs in with the demo account and goes through the windows a user
# meets, by clicks and keys (xdotool) and by the simulated service's command
# (TelvarionSimulate), saving each window as a small PNG.
#   scripts/screenshots.sh [<folder>]     (default: docs/screenshots)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TELVARION_BUILD_DIR:-$root/build}"
out="$(realpath -m "${1:-$root/docs/screenshots}")"
"$root/scripts/install_deps.sh"
echo "Building the client and the simulation command (the compiler's lines go to $build/screenshots_build.log)."
mkdir -p "$build"
"$root/scripts/build.sh" Telvarion TelvarionSimulate >"$build/screenshots_build.log" 2>&1 || {
  tail -n 30 "$build/screenshots_build.log" >&2
  exit 1
}
mkdir -p "$out"

# Everything the program writes goes to a folder of this run.
work="$(mktemp -d)"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data-home"
export TELVARION_DATA_PATH="$work/data" TELVARION_REGISTRY_FILE="$work/registry.ini"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM

display=":$((60 + RANDOM % 200))"
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
client=""
cleanup() {
  [[ -n "$client" ]] && kill "$client" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

simulate() { "$build/bin/TelvarionSimulate" "$@" >/dev/null; }

# The newest shown window whose title matches, waiting for it; empty after 20 s.
window() {
  local id=""
  for _ in $(seq 100); do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)"
    [[ -n "$id" ]] && break
    sleep 0.2
  done
  [[ -n "$id" ]] || { echo "screenshots: no window \"$1\"" >&2; return 1; }
  echo "$id"
}
gone() {
  for _ in $(seq 50); do
    [[ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ]] && return 0
    sleep 0.2
  done
}
settle() { sleep "${1:-1}"; }
# A left click at x,y of the window; the pointer then rests aside.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
  settle 0.6
}
rightclick() { click "$1" "$2" "$3" 3; }
focus() { xdotool windowraise "$1" windowfocus --sync "$1" 2>/dev/null || true; }
keys() { xdotool key --delay 60 "$@"; settle 0.4; }
typed() { xdotool type --delay 40 "$1"; settle 0.3; }
# The window as the user sees it, as a palette PNG of a few dozen kilobytes.
shot() {
  xdotool mousemove 1599 999
  settle 0.8
  import -silent -window "$1" "png:$work/shot.png"
  convert "$work/shot.png" -strip -colors 256 "PNG8:$out/$2.png"
  echo "  $2.png"
}
close() { keys Escape; }

echo "Taking the pictures under $display into $out:"
"$build/bin/Telvarion" >"$work/client.log" 2>&1 &
client=$!

# A new user: the agreement, accepted (the first click shows its end).
eula="$(window "Agreement|License|EULA")"
settle 2
shot "$eula" agreement
geometry() { xdotool getwindowgeometry --shell "$1" | sed -n "s/^$2=//p"; }
w="$(geometry "$eula" WIDTH)"
h="$(geometry "$eula" HEIGHT)"
click "$eula" $((w - 180)) $((h - 30))
click "$eula" $((w - 180)) $((h - 30))

login="$(window "^Telvarion$")"
settle 2
shot "$login" login
focus "$login"
typed "alice"
keys Tab
typed "Demo-1234"
keys Return

main="$(window "^Telvarion$")"
settle 4
while [[ "$main" == "$login" ]]; do main="$(window "^Telvarion$")"; settle 1; done
shot "$main" main-contacts
