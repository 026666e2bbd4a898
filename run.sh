#!/usr/bin/env bash
# Installs what is missing, builds, and starts Corvell.
#
#   ./run.sh                               the emulated receiver, with a demo program directory
#   QUILLON_COM1=/dev/ttyUSB0 ./run.sh     a real receiver on that device (any QUILLON_COMn)
#
# With the emulator, its control input is the FIFO printed at start: for example
#   echo silent > <fifo>     the receiver stops answering (Corvell then reports the link failure)
#   echo speak  > <fifo>     it answers again
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
bin=build/bin

if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Run Corvell without one, drawing offscreen:  QT_QPA_PLATFORM=offscreen ./run.sh" >&2
  exit 1
fi

# A receiver named by QUILLON_COMn: the real one, with the settings beside the program.
if env | grep -q '^QUILLON_COM[0-9]*='; then
  exec "$bin/corvell" "$@"
fi

# No receiver named: the emulator on a pseudo-terminal as COM1, and a demo program directory
# whose settings choose COM1 and switch the receiver on, so the first start goes straight in.
demo=build/demo-home
mkdir -p "$demo"
if [ ! -f "$demo/Corvell.ini" ]; then
  printf '[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n' > "$demo/Corvell.ini"
fi
link="$demo/receiver"
control="$demo/control"
rm -f "$link"
"$bin/corvell-rx-emulator" --link "$link" --control "$control" &
emulator=$!
trap 'kill "$emulator" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done
echo "Emulated receiver on $link; control it with: echo silent|speak > $control"
CORVELL_HOME="$demo" QUILLON_COM1="$link" "$bin/corvell" "$@"
