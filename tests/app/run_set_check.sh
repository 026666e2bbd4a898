#!/usr/bin/env bash
# The target "program", which ./run.sh builds alone on a fresh clone, must build everything the
# started program needs beside itself (the executable and the libraries it loads from its own
# folder, libquillon.so loaded by name, the guide Help opens, the emulator run.sh starts) and no
# test or benchmark.
#   run_set_check.sh NINJA BUILD_DIR
set -euo pipefail
ninja=$1
build=$2
cd "$build"

# Every command the target runs, whatever is built already.
commands=$("$ninja" -t commands program)
status=0
fail() {
  echo "run_set_check: $*" >&2
  status=1
}

needed=(bin/corvell bin/libquillon.so bin/corvell-rx-emulator)
# The libraries the built programs load from bin/ (their RUNPATH is the folder itself).
for exe in bin/corvell bin/libquillon.so bin/corvell-rx-emulator; do
  [ -e "$exe" ] || { fail "$exe is not built"; continue; }
  while read -r lib; do
    [ -e "bin/$lib" ] && needed+=("bin/$lib")
  done < <(objdump -p "$exe" | awk '$1 == "NEEDED" { print $2 }')
done
for file in "${needed[@]}"; do
  grep -qE -- "-o $file( |$)" <<<"$commands" || fail "the target program does not build $file"
done
grep -q "Corvell.html .*bin/Corvell.html" <<<"$commands" ||
  fail "the target program does not place the guide Corvell.html beside the executable"

if grep -E -- "-o (tests|bench)/" <<<"$commands" >/dev/null; then
  fail "the target program builds tests or benchmarks:"
  grep -oE -- "-o (tests|bench)/[^ ]*" <<<"$commands" | head -5 >&2
fi
exit $status
