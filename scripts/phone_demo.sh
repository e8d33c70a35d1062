#!/usr/bin/env bash
# Plays a scripted desk phone against the in-process client and prints, step by step, what
# the phone's display shows and which commands the client receives: the handset is lifted,
# a number dialled, a call comes in, is answered and hung up.
# Builds only what the demonstration needs, in build/ (or $TELVARION_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TELVARION_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build" -j "$(nproc)" --target polyphone_end_to_end_tests >/dev/null
PHONE_DEMO=1 TELVARION_AUDIO=null exec "$build/tests/polyphone_end_to_end_tests" --gtest_brief=1 --gtest_filter="PhoneEndToEnd.*" "$@"
