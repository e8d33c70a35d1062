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
if [[ "${TELVARION_SCREENSHOTS_BUILD:-1}" != 0 ]]; then
  echo "Building the client and the simulation command (the compiler's lines go to $build/screenshots_build.log)."
  mkdir -p "$build"
  "$root/scripts/build.sh" Telvarion TelvarionSimulate >"$build/screenshots_build.log" 2>&1 || {
    tail -n 30 "$build/screenshots_build.log" >&2
    exit 1
  }
fi
mkdir -p "$out"

# Everything the program writes goes to a folder of this run.
work="$(mktemp -d)"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data-home"
export TELVARION_DATA_PATH="$work/data" TELVARION_REGISTRY_FILE="$work/registry.ini"
export XDG_RUNTIME_DIR="$work/runtime"
# The single-instance socket lives in the temporary folder: a program already running for the
# same user (a test, the user's own) would otherwise take this start's hand-off and end it.
export TMPDIR="$work/tmp"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TMPDIR"
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

simulate() {
  local answer
  answer="$("$build/bin/TelvarionSimulate" "$@" 2>&1)" || echo "screenshots: TelvarionSimulate $*: $answer" >&2
}

# The newest shown window whose title matches (and, when given, of that width and height),
# waiting for it; fails after 20 s. (Pop-ups carry their title where only a search of every
# window sees it; the panes of a conversation's window carry the program's name too.)
window() {
  local id="" candidate
  for _ in $(seq 100); do
    for candidate in $(xdotool search --onlyvisible --class "" 2>/dev/null || true); do
      xdotool getwindowname "$candidate" 2>/dev/null | grep -Eq -- "$1" || continue
      [[ -z "${2:-}" || "$(geometry "$candidate" WIDTH)" =~ ^($2)$ ]] || continue
      [[ -z "${3:-}" || "$(geometry "$candidate" HEIGHT)" =~ ^($3)$ ]] && id="$candidate"
    done
    [[ -n "$id" ]] && break
    sleep 0.2
  done
  [[ -n "$id" ]] || { echo "screenshots: no window \"$1\"" >&2; return 1; }
  echo "$id"
}
geometry() { xdotool getwindowgeometry --shell "$1" | sed -n "s/^$2=//p"; }
gone() {
  local candidate shown
  for _ in $(seq 50); do
    shown=""
    for candidate in $(xdotool search --onlyvisible --class "" 2>/dev/null || true); do
      xdotool getwindowname "$candidate" 2>/dev/null | grep -Eq -- "$1" && shown=1
    done
    [[ -z "$shown" ]] && return 0
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
# The window as the user sees it, in front, as a palette PNG of a few dozen kilobytes.
shot() {
  xdotool mousemove 1599 999
  xdotool windowraise "$1"
  settle 0.8
  import -silent -window "$1" "png:$work/shot.png"
  convert "$work/shot.png" -strip -colors 256 "PNG8:$out/$2.png"
  echo "  $2.png"
}
# Out of the way of the windows still to come.
park() { xdotool windowmove "$1" "$2" "${3:-560}" 2>/dev/null || true; settle 0.3; }

echo "Taking the pictures under $display into $out:"
"$build/bin/Telvarion" >"$work/client.log" 2>&1 &
client=$!

# A new user: the agreement, accepted (the first click shows its end).
eula="$(window "End User License Agreement")"
settle 2
shot "$eula" agreement
w="$(geometry "$eula" WIDTH)"
h="$(geometry "$eula" HEIGHT)"
click "$eula" $((w - 180)) $((h - 30))
click "$eula" $((w - 180)) $((h - 30))

login="$(window "^Telvarion$" 285)"
settle 2
shot "$login" login
focus "$login"
typed "alice"
keys Tab
typed "Demo-1234"
keys Return

# The main window at the left, the Team Telephony window beside it.
main="$(window "^Telvarion$" 320)"
settle 3
xdotool windowmove "$main" 20 20
team="$(window "^Team Telephony$")"
xdotool windowmove "$team" 345 20
if outlook="$(window "^Outlook integration$")"; then
  shot "$outlook" question
  click "$outlook" $(($(geometry "$outlook" WIDTH) - 117)) $(($(geometry "$outlook" HEIGHT) - 34))
fi
settle 2
shot "$main" main-contacts
# The left pane: rooms, history, dial pad, and back to the contacts.
view() { click "$main" 15 "$1"; settle 1.5; }
view 88 && shot "$main" main-rooms
view 128 && shot "$main" main-history
view 167 && shot "$main" main-dialpad
view 50

simulate line chiara ringing +15550177
settle 1
shot "$team" team-telephony
simulate line chiara idle

# The options menu (the three lines at the top right) and what it opens.
menu() { click "$main" 297 26; click "$main" "$1" "$2"; settle 2; }
menu 362 156
preferences="$(window "^Preferences$")"
park "$preferences" 560 20
pw="$(geometry "$preferences" WIDTH)"
ph="$(geometry "$preferences" HEIGHT)"
shot "$preferences" preferences-general
tab=1
for page in audio video credentials proxy add-ins; do
  click "$preferences" $((60 + tab * 75)) 33
  settle 1.5
  shot "$preferences" "preferences-$page"
  tab=$((tab + 1))
done
click "$preferences" $((pw - 57)) $((ph - 44))
gone "^Preferences$"

menu 362 133
settings="$(window "^Call Settings$")"
park "$settings" 360 20
settle 2
shot "$settings" call-settings
click "$settings" 50 $(($(geometry "$settings" HEIGHT) - 27))
services="$(window "^Supplementary Services$")"
settle 1
shot "$services" all-services
click "$services" $(($(geometry "$services" WIDTH) / 2)) $(($(geometry "$services" HEIGHT) - 28))
click "$settings" $(($(geometry "$settings" WIDTH) - 67)) $(($(geometry "$settings" HEIGHT) - 27))

menu 362 179
queues="$(window "^Queues$")"
park "$queues" 360 20
shot "$queues" queues
click "$queues" $(($(geometry "$queues" WIDTH) - 60)) $(($(geometry "$queues" HEIGHT) - 24))

menu 342 229
about="$(window "^About ")"
park "$about" 360 20
shot "$about" about
click "$about" 245 273

# The own presence's menu: Availability, Configure.
rightclick "$main" 15 18
click "$main" 77 29
click "$main" 254 123
rules="$(window "^Configure Presence$")"
settle 1.5
shot "$rules" presence-rules
click "$rules" $(($(geometry "$rules" WIDTH) - 50)) $(($(geometry "$rules" HEIGHT) - 25))

# A contact's card, from a double click on the contact's picture.
xdotool mousemove --window "$main" 56 231 click --repeat 2 --delay 80 1
settle 2
if card="$(window "^Bob Lindqvist$")"; then
  park "$card" 360 20
  shot "$card" contact-card
  park "$card" 1230 20
fi

# Bob calls: the pop-up, answered with audio; the call's window.
simulate call bob
popup="$(window "^Telvarion$" 350 100)"
settle 1
shot "$popup" incoming-call
click "$popup" 130 74
call="$(window "^Bob Lindqvist \\(")"
park "$call" 360 120
settle 3
shot "$call" call
# He writes during the call: the chat beside the call.
simulate chat bob "Sending the slides now, have a look while we talk."
# The window lays the chat out beside the call and grows: wait until it has.
settle 6
shot "$call" chat-during-call
simulate hangup bob
settle 2
park "$call" 1230 20

# Dev calls with video, answered with video.
simulate call dev video
popup="$(window "^Telvarion$" "[0-9]+" 100)"
settle 1
shot "$popup" incoming-video-call
# Video, Audio and Decline from the right.
click "$popup" $(($(geometry "$popup" WIDTH) - 287)) 74
if video="$(window "^Dev Patel")"; then
  park "$video" 360 120
  settle 4
  shot "$video" video
  park "$video" 1230 20
fi
simulate hangup dev
settle 2

# Chiara writes: the chat pop-up, opened; her chat window.
simulate chat chiara "Are you free at three for the design review?"
popup="$(window "^Telvarion$" "[0-9]+" 100)"
settle 1
shot "$popup" chat-pop-up
click "$popup" 175 50
chat="$(window "^Chiara Rossi \\(")"
park "$chat" 360 120
settle 2
shot "$chat" chat
park "$chat" 1230 20

# A room from the rooms list's menu, and a message in it. The active conversations fold
# away first, so that the rooms stay where they are however many conversations are open.
view 88
click "$main" 60 52
rightclick "$main" 120 130
click "$main" 178 141
room="$(window "^Design Reviews")"
click "$main" 60 52
park "$room" 360 120
simulate room "Design Reviews" chiara "The new icons are in, please review them before Friday."
settle 2
shot "$room" room
park "$room" 1230 300
view 50

# German from the preferences: every open window follows at once.
menu 362 156
preferences="$(window "^Preferences$")"
park "$preferences" 560 20
# The language list opens over its box with the current entry there; Deutsch is above it.
click "$preferences" 320 99
click "$preferences" 320 77
click "$preferences" $(($(geometry "$preferences" WIDTH) - 137)) $(($(geometry "$preferences" HEIGHT) - 44))
gone "^Preferences$"
settle 2
shot "$main" de-main-contacts
shot "$team" de-team-telephony
park "$chat" 360 120
shot "$chat" de-chat
park "$chat" 1230 20
park "$room" 360 120
shot "$room" de-room

echo "Done: $(find "$out" -name '*.png' | wc -l) pictures, $(du -sh "$out" | cut -f1)."
