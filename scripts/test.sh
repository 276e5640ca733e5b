#!/usr/bin/env bash
# Set up, build and run every test headless: the normal build, then the same
# tests built with AddressSanitizer and UndefinedBehaviorSanitizer, then the
# fuzzer of the saved-filling loader for a minute.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen

echo "== build"
"$here/scripts/setup.sh" "$here/build"
echo "== tests"
ctest --test-dir "$here/build" --output-on-failure -j2

echo "== sanitizer build (ASan, UBSan)"
"$here/scripts/setup.sh" "$here/build-sanitize" -DCMAKE_BUILD_TYPE=Debug -DVKT_SANITIZE=ON -DVKT_BUILD_BENCH=OFF
echo "== tests under the sanitizers"
LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0" \
  ctest --test-dir "$here/build-sanitize" --output-on-failure -j2

if [ -x "$here/scripts/fuzz.sh" ]; then
  echo "== fuzzing the loader"
  "$here/scripts/fuzz.sh" "${VKT_FUZZ_SECONDS:-60}"
fi
echo "== all tests passed"
