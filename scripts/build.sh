#!/usr/bin/env bash
# Builds the given targets, or everything, in build/ (or $TELVARION_BUILD_DIR). The tree is
# configured on the first build; afterwards the build reconfigures itself when a
# CMakeLists.txt changes.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TELVARION_BUILD_DIR:-$root/build}"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  generator=()
  # As scripts/test.sh does: Ninja where it is installed.
  if command -v ninja >/dev/null; then
    generator=(-G Ninja)
  fi
  cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
fi
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
