#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   BUILD_DIR      build folder (default build)
#   SANITIZE       '' | 'address,undefined' | 'thread'
#   TEST_LABEL     run only the tests with this CTest label (e.g. link)
#   CI=true        warnings are errors
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh

BUILD_DIR=${BUILD_DIR:-build}
SANITIZE=${SANITIZE:-}
WERROR=OFF
[ "${CI:-}" = "true" ] && WERROR=ON
BENCH=ON
[ -n "$SANITIZE" ] && BENCH=OFF

cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVELL_WERROR=$WERROR -DCORVELL_SANITIZE="$SANITIZE" -DCORVELL_BENCH=$BENCH >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
# Leaks inside system libraries (font caches) are not ours to mend.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# Races among Qt's own worker threads, inside Qt, are not ours either.
export TSAN_OPTIONS="suppressions=$PWD/scripts/tsan.supp${TSAN_OPTIONS:+:$TSAN_OPTIONS}"
label_args=()
[ -n "${TEST_LABEL:-}" ] && label_args=(-L "$TEST_LABEL")
ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" "${label_args[@]}"
