#!/usr/bin/env bash
# The whole program idle, powered on against the emulator, measured as a process: the CPU time
# corvell uses over 10 s, as a share of one core.
#   bench/shell/idle_cpu.sh [build-dir] [panel-mode]
# panel-mode 0 (SIMPLE, the default; target below 1.5 %), 1 (RADIO) or 2 (RECEIVER, with the
# band scope sweeping; target below 3 %).
set -euo pipefail
build=${1:-build}
mode=${2:-0}
bin=$build/bin
work=$(mktemp -d /tmp/corvell-idle.XXXXXX)
printf '[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n[MAIN]\r\nPANELMODE=%s\r\n' "$mode" > "$work/Corvell.ini"
# The receiver panel's view all day: the band scope sweeping.
[ "$mode" = 2 ] && printf '[SCOPE]\r\nSCOPEMODE=1\r\n' >> "$work/Corvell.ini"
"$bin/corvell-rx-emulator" --link "$work/receiver" --control "$work/control" >/dev/null &
emulator=$!
corvell=
cleanup() {
  [ -n "$corvell" ] && kill "$corvell" 2>/dev/null || true
  kill "$emulator" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "$work/receiver" ] && break; sleep 0.1; done
CORVELL_HOME=$work QUILLON_COM1=$work/receiver QT_QPA_PLATFORM=offscreen "$bin/corvell" \
  2>/dev/null &
corvell=$!
sleep 3  # start-up and the power-on sequence are not idle time

ticks() {  # utime + stime of the process, in clock ticks
  awk '{ print $14 + $15 }' "/proc/$corvell/stat"
}
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep 10
after=$(ticks)
awk -v d=$((after - before)) -v hz="$hz" \
  'BEGIN { printf "corvell idle, powered on, panel mode '"$mode"': %.2f %% of one core over 10 s\n", 100 * d / hz / 10 }'
