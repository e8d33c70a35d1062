#!/usr/bin/env bash
# Builds and runs the fuzz targets of the parsers (libFuzzer, clang) over their seed corpora.
#
#   scripts/fuzz.sh NAME SECONDS     runs one target for SECONDS
#   scripts/fuzz.sh --all SECONDS    runs every target for SECONDS each (what scripts/test.sh --ci does)
#   scripts/fuzz.sh --list           names the targets
#
# The targets are built in build-fuzz/ (or $TELVARION_FUZZ_BUILD_DIR), and only they and the
# sources they parse with. The seeds are fuzz/corpus/NAME; what a run finds goes to
# build-fuzz/fuzz/found/NAME, and an input that crashes a target is left as
# build-fuzz/fuzz/NAME-crash-... (the run then fails).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TELVARION_FUZZ_BUILD_DIR:-$root/build-fuzz}"

names() {
  find "$root/fuzz/corpus" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort
}

case "${1:-}" in
  --list) names; exit 0 ;;
  --all) targets=($(names)); seconds="${2:?how many seconds each}" ;;
  "" | -*) sed -n '2,11p' "$0" >&2; exit 64 ;;
  *) targets=("$1"); seconds="${2:?how many seconds}" ;;
esac
for name in "${targets[@]}"; do
  [ -d "$root/fuzz/corpus/$name" ] || { echo "fuzz: no target $name (scripts/fuzz.sh --list)" >&2; exit 64; }
done

"$root/scripts/install_deps.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" -DTELVARION_FUZZ=ON -DTELVARION_LIBS_ONLY=ON \
    -DTELVARION_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

for name in "${targets[@]}"; do
  found="$build/fuzz/found/$name"
  mkdir -p "$found"
  echo "fuzz: $name for ${seconds}s"
  # As in the test suite, leaks are not looked for: Qt keeps what it allocates until the end.
  ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}" "$build/fuzz/$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=0 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz/$name-" "$found" "$root/fuzz/corpus/$name" 2>&1 | tail -n 12
  status="${PIPESTATUS[0]}"
  if [ "$status" -ne 0 ]; then
    echo "fuzz: $name failed (exit $status); the input is beside it in $build/fuzz/" >&2
    exit "$status"
  fi
done
