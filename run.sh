#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvell. Until the main program exists, it
# starts the receiver emulator on a pseudo-terminal and a short demonstration of the link
# library against it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

bin=build/bin
if [ -x "$bin/corvell" ]; then
  exec "$bin/corvell" "$@"
fi

link=$(mktemp -u /tmp/corvell-rx.XXXXXX)
"$bin/corvell-rx-emulator" --link "$link" &
emulator=$!
trap 'kill $emulator 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
QUILLON_COM1="$link" "$bin/corvell-link-demo" "$@"
