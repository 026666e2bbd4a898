#!/usr/bin/env bash
# Installs what is missing, builds what it starts (no test or benchmark), and starts Corvell.
#
#   ./run.sh                               the emulated receiver, with a demo program directory
#   QUILLON_COM1=/dev/ttyUSB0 ./run.sh     a real receiver on that device (any QUILLON_COMn),
#                                          settings in ${XDG_CONFIG_HOME:-~/.config}/corvell
#                                          or in CORVELL_HOME when that is set
#
#   BUILD_DIR=dir ./run.sh                 builds in dir instead of build (as ./test.sh does)
#
# With the emulator, its control input is the FIFO printed at start: for example
#   echo silent > <fifo>     the receiver stops answering (Corvell then reports the link failure)
#   echo speak  > <fifo>     it answers again
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")"

# A receiver named by QUILLON_COMn is the real one, whose settings live in a folder of the user's
# own. Found before anything is built: a start that cannot run says so at once.
real_receiver=
if compgen -e | grep -x 'QUILLON_COM[0-9]*' >/dev/null; then
  real_receiver=yes
  if [ -z "${CORVELL_HOME:-}" ] && [[ ${XDG_CONFIG_HOME:-} != /* ]] && [[ ${HOME:-} != /* ]]; then
    echo "run.sh: HOME is unset or not an absolute path, and a real receiver's settings are kept" \
      "in \$HOME/.config/corvell: set HOME, or XDG_CONFIG_HOME or CORVELL_HOME, to an absolute path." >&2
    exit 1
  fi
fi

build=${BUILD_DIR:-build}
[[ $build == /* ]] || build=$PWD/$build
./scripts/deps.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The target "program": the program with its guide, the link library it loads and the emulator.
cmake --build "$build" -j "$(nproc)" --target program
bin=$build/bin

if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: there is no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Run Corvell without one, drawing offscreen:  QT_QPA_PLATFORM=offscreen ./run.sh" >&2
  exit 1
fi

# The real receiver: its settings and memory files stay in the per-user folder, which no clean
# build deletes; Corvell starts there, so new memory files land beside the settings. Settings an
# earlier run.sh left beside the program are carried over into it once.
if [ -n "$real_receiver" ]; then
  home=${CORVELL_HOME:-}
  if [ -z "$home" ]; then
    config=${XDG_CONFIG_HOME:-}
    [[ $config == /* ]] || config=$HOME/.config
    home=$config/corvell
  fi
  home=$(cd "$caller" && realpath -m -- "$home")
  if ! err=$(mkdir -p -- "$home" 2>&1); then
    echo "run.sh: the settings folder $home cannot be made: ${err##*: }" >&2
    exit 1
  fi
  # No settings there yet: no Corvell.ini, or an empty one (what an interrupted copy of earlier
  # versions left), which holds none either.
  no_settings_yet() {
    ! [ -L "$1" ] && { ! [ -e "$1" ] || { [ -f "$1" ] && ! [ -s "$1" ]; }; }
  }
  if [ -z "${CORVELL_HOME:-}" ] && [ -f "$bin/Corvell.ini" ] && no_settings_yet "$home/Corvell.ini"; then
    ./scripts/carry-over-settings.sh "$bin" "$home"
    echo "run.sh: the settings kept beside the program are copied to $home; Corvell uses those now." >&2
  fi
  cd "$home"
  CORVELL_HOME="$home" exec "$bin/corvell" "$@"
fi

# No receiver named: the emulator on a pseudo-terminal as COM1, and a demo program directory
# whose settings choose COM1 and switch the receiver on, so the first start goes straight in.
demo=$build/demo-home
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
# Started in the demo folder, so the memory files it saves land beside its settings, not in the
# clone.
cd "$demo"
CORVELL_HOME="$PWD" QUILLON_COM1="$link" "$bin/corvell" "$@"
