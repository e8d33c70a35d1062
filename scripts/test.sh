#!/usr/bin/env bash
# Installs what the build needs, builds, and runs every test headless.
#
#   scripts/test.sh [ctest arguments]   the whole suite, built in build/ (or $TELVARION_BUILD_DIR)
#   scripts/test.sh --sanitize [...]    the whole suite built with AddressSanitizer and
#                                       UndefinedBehaviorSanitizer in build-sanitize/ (or
#                                       $TELVARION_SANITIZE_BUILD_DIR); any report fails its test
#   scripts/test.sh --ci                the whole suite and the Debian package (cpack), then the
#                                       libraries under libs/ and their tests under both
#                                       sanitizers in build-sanitize-libs/, then each fuzz target
#                                       for a few seconds (scripts/fuzz.sh)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

mode=all
case "${1:-}" in
  --sanitize) mode=sanitize; shift ;;
  --ci) mode=ci; shift ;;
esac

"$root/scripts/install_deps.sh"
jobs="$(nproc)"

# Configures and builds one tree: build_tree <folder> [cmake options...]
build_tree() {
  local folder="$1"
  shift
  local generator=()
  # Ninja schedules the many small test programs better; a tree made before keeps its own.
  if [ ! -f "$folder/CMakeCache.txt" ] && command -v ninja >/dev/null; then
    generator=(-G Ninja)
  fi
  cmake -S "$root" -B "$folder" "${generator[@]}" -DCMAKE_BUILD_TYPE="${CMAKE_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
  cmake --build "$folder" -j "$jobs"
}

runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
export QT_QPA_PLATFORM=offscreen
export QT_QUICK_BACKEND=software

# Runs the tests of one tree: run_tests <folder> [ctest arguments...]
run_tests() {
  local folder="$1"
  shift
  (cd "$folder" && ctest --output-on-failure -j "$jobs" "$@")
}

case "$mode" in
  all)
    build="${TELVARION_BUILD_DIR:-$root/build}"
    build_tree "$build"
    run_tests "$build" "$@"
    ;;
  sanitize)
    build="${TELVARION_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
    build_tree "$build" -DTELVARION_SANITIZE=ON
    run_tests "$build" "$@"
    ;;
  ci)
    build="${TELVARION_BUILD_DIR:-$root/build}"
    build_tree "$build"
    run_tests "$build"
    (cd "$build" && cpack -G DEB)
    libs="$root/build-sanitize-libs"
    build_tree "$libs" -DTELVARION_SANITIZE=ON -DTELVARION_LIBS_ONLY=ON
    run_tests "$libs"
    "$root/scripts/fuzz.sh" --all "${TELVARION_FUZZ_SECONDS:-10}"
    ;;
esac
