#!/usr/bin/env bash
# Installs what is missing, builds what it starts (no test or benchmark), and starts Corvell.
#
#   ./run.sh                               the emulated receiver, with a demo program directory
#   QUILLON_COM1=/dev/ttyUSB0 ./run.sh     a real receiver on that device (any QUILLON_COMn),
#                                          settings in ${XDG_CONFIG_HOME:-~/.config}/corvell
#                                          or in CORVELL_HOME when that is set
#
# With the emulator, its control input is the FIFO printed at start: for example
#   echo silent > <fifo>     the receiver stops answering (Corvell then reports the link failure)
#   echo speak  > <fifo>     it answers again
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The target "program": the program with its guide, the link library it loads and the emulator.
cmake --build build -j "$(nproc)" --target program
bin=$PWD/build/bin

if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Run Corvell without one, drawing offscreen:  QT_QPA_PLATFORM=offscreen ./run.sh" >&2
  exit 1
fi

# A receiver named by QUILLON_COMn: the real one. Its settings and memory files stay in a folder
# of the user's own, which no clean build deletes; Corvell starts there, so new memory files land
# beside the settings. Settings an earlier run.sh left beside the program are carried over into
# the per-user folder once.
if env | grep -q '^QUILLON_COM[0-9]*='; then
  config=${XDG_CONFIG_HOME:-}
  [[ $config == /* ]] || config=$HOME/.config
  home=$(cd "$caller" && realpath -m -- "${CORVELL_HOME:-$config/corvell}")
  mkdir -p -- "$home"
  if [ -z "${CORVELL_HOME:-}" ] && [ ! -e "$home/Corvell.ini" ] && [ -f "$bin/Corvell.ini" ]; then
    cp -n -- "$bin"/*.[Mm][Cc][Hh] "$home"/ 2>/dev/null || true
    # The memory file last used, when it was one of those, is now its copy.
    awk -v old="$(realpath -- "$bin")/" -v new="$home/" '{
      eq = index($0, "=")
      if (eq > 0 && toupper(substr($0, 1, eq - 1)) ~ /^[ \t]*MEMFILEPATH[ \t]*$/) {
        value = substr($0, eq + 1)
        sub(/^[ \t]*/, "", value)
        if (substr(value, 1, length(old)) == old) $0 = substr($0, 1, eq) new substr(value, length(old) + 1)
      }
      print
    }' "$bin/Corvell.ini" > "$home/Corvell.ini"
    echo "run.sh: the settings kept beside the program are copied to $home; Corvell uses those now." >&2
  fi
  cd "$home"
  CORVELL_HOME="$home" exec "$bin/corvell" "$@"
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
