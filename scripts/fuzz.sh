#!/usr/bin/env bash
# Builds the libFuzzer target of the saved-filling loader with clang
# (AddressSanitizer and UndefinedBehaviorSanitizer on) in its own build folder
# and runs it for SECONDS (default 60). Exits non-zero on any crash, hang or
# sanitizer report; the reproducer is left in the build folder's artifacts/.
#
#   scripts/fuzz.sh [SECONDS]
#   VKT_FUZZ_BUILD_DIR=...   build folder (default: build-fuzz in the repository)
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VKT_FUZZ_BUILD_DIR:-$root/build-fuzz}
generator=()
if command -v ninja >/dev/null 2>&1; then
  generator=(-G Ninja)
fi

mkdir -p "$build"
cmake -S "$root" -B "$build" "${generator[@]}" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVKT_BUILD_FUZZ=ON -DVKT_SANITIZE=ON \
  -DBUILD_TESTING=OFF -DVKT_BUILD_BENCH=OFF >"$build/configure.log" 2>&1 \
  || { cat "$build/configure.log"; exit 1; }
cmake --build "$build" --target vkt_storage_fuzz -j"${VKT_FUZZ_JOBS:-2}"

fuzzer=$(find "$build" -name vkt_storage_fuzz -type f -perm -u+x | head -n 1)
[ -n "$fuzzer" ] || { echo "fuzz.sh: vkt_storage_fuzz was not built" >&2; exit 1; }

# Seeds: the checked-in sample filling as a file text (first byte even) and
# its plaintext lines (first byte odd).
corpus=$build/fuzz-corpus
artifacts=$build/artifacts
mkdir -p "$corpus" "$artifacts"
data=$root/tests/storage/data
{ printf '\0'; cat "$data/sample-filling.txt"; } >"$corpus/seed-file"
{ printf '\1'; tail -c +12 "$data/sample-plaintext.txt"; } >"$corpus/seed-plaintext"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

"$fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus"
