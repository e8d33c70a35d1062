#!/usr/bin/env bash
# The desk-phone plug-in, two ways.
#
#   scripts/phone_demo.sh          plays a scripted desk phone against the in-process client and
#                                  prints, step by step, what the phone's display shows and which
#                                  commands the client receives: the handset is lifted, a number
#                                  dialled, a call comes in, is answered and hung up.
#   scripts/phone_demo.sh --live   starts the client, runs the plug-in in its host against it and
#                                  opens the add-in console: sign in, type "dial +15550101", and the
#                                  plug-in's lines ("phone: ...") follow the call as the client runs it.
#                                  A client that already runs (as scripts/run.sh leaves one) is joined
#                                  instead. Needs a display for the client's windows.
#
# Builds only what the demonstration needs, in build/ (or $TELVARION_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TELVARION_BUILD_DIR:-$root/build}"

if [[ "${1:-}" != "--live" ]]; then
  "$root/scripts/build.sh" polyphone_end_to_end_tests >/dev/null
  PHONE_DEMO=1 TELVARION_AUDIO=null exec "$build/tests/polyphone_end_to_end_tests" --gtest_brief=1 --gtest_filter="PhoneEndToEnd.*" "$@"
fi

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "The live demonstration needs a display to sign in on (try it in a desktop session)." >&2
  exit 1
fi
"$root/scripts/build.sh" Telvarion TelvarionConnectorHost TelvarionPolyphone TelvarionAddinConsole >/dev/null

# Client, plug-in and console meet on a socket of this demonstration's own, unless a client
# already runs: then they meet on that client's usual socket.
work="$(mktemp -d)"
export TELVARION_API_SOCKET="$work/api"
mkdir -p "$work/data/Marlowane/Tavoro/logs"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  [[ -f "$work/host.pid" ]] && kill "$(cat "$work/host.pid")" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

"$build/bin/Telvarion" >"$work/client.log" 2>&1 &
client=$!
for _ in $(seq 100); do
  [[ -S "$TELVARION_API_SOCKET" ]] && break
  # A second start hands over to the running client and ends at once.
  kill -0 "$client" 2>/dev/null || break
  sleep 0.2
done
if [[ -S "$TELVARION_API_SOCKET" ]]; then
  pids+=("$client")
  signin="Sign in on the client's login window: alice@demo.telvarion.net, password Demo-1234."
elif ! kill -0 "$client" 2>/dev/null && wait "$client"; then
  echo "A Telvarion client is already running: the demonstration joins it (it stays when the demonstration ends)."
  unset TELVARION_API_SOCKET
  # Where that client listens, for the plug-in too, which runs with a data folder of its own.
  TELVARION_API_SOCKET="$("$build/bin/TelvarionAddinConsole" --socket)"
  export TELVARION_API_SOCKET
  signin="Sign in on the running client, if it is not signed in yet: alice@demo.telvarion.net, password Demo-1234."
else
  echo "The client did not start; its output:" >&2
  cat "$work/client.log" >&2
  exit 1
fi

# The plug-in stops when the user signs out and waits for the next sign-in: the host starts it
# again until the demonstration ends.
(
  while true; do
    XDG_DATA_HOME="$work/data" TELVARION_REGISTRY_FILE=/nonexistent TELVARION_AUDIO=null TELVARION_DEBUG_OUTPUT=1 \
      "$build/bin/TelvarionConnectorHost" > >(grep --line-buffered -E 'ApiCommunications::|Polyphone::SetUserStatus' |
      sed -u -E 's/^.*0x[0-9a-f]+ /phone: /') 2>&1 &
    echo $! >"$work/host.pid"
    wait $! || true
    sleep 1
  done
) &
pids+=($!)

echo "$signin"
cat <<'TEXT'
Then type commands here, for example:
  dial +15550101      the client calls Bob; the call rings, is answered, and the plug-in follows it
  hold / resume       the plug-in sees the call held and open again
  hangup              the call ends
  dtmf 5              sends a key tone into the call
  quit                ends the demonstration (closing the client does too; signing out does not)
TEXT
"$build/bin/TelvarionAddinConsole"
