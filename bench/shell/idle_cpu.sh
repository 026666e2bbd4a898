#!/usr/bin/env bash
# The whole program idle, powered on against the emulator, measured as a process: the CPU time
# corvell uses over a stretch of seconds after start-up, as a share of one core, in every panel
# mode with the band scope off and sweeping and the S-meter still and moving.
#   bench/shell/idle_cpu.sh [build-dir[:fake-cts] ...]
# With several build directories (an older tree beside this one, say) the builds take turns in
# every run, so a busy machine weighs on all of them alike. ":fake-cts" runs that build with a
# small preloaded shim that reports the modem lines of the emulator's pseudo-terminal (off at
# open, CTS and DSR on from then on): a tree whose link watch still reads CTS on a line without
# modem lines would otherwise raise a false "Communication failed" prompt. Environment:
#   RUNS=3       runs of each row
#   SECONDS_PER_RUN=10  length of one measured stretch (after SETTLE seconds of start-up)
#   SETTLE=5
#   DISPLAY      when set, corvell runs on that X display; else on the offscreen platform
# Goal: at most 0.6 % with the meter still, at most 1.0 % with it moving or the scope sweeping.
set -euo pipefail
runs=${RUNS:-3}
span=${SECONDS_PER_RUN:-10}
settle=${SETTLE:-5}
builds=("$@")
[ ${#builds[@]} -eq 0 ] && builds=(build)

work=$(mktemp -d /tmp/corvell-idle.XXXXXX)
emulator=
corvell=
mover=
stop() {  # stop one process of ours by its id and collect it
  [ -n "$1" ] && kill "$1" 2>/dev/null && wait "$1" 2>/dev/null
  return 0
}
cleanup() {
  stop "$mover"
  stop "$corvell"
  stop "$emulator"
  rm -rf "$work"
}
trap cleanup EXIT

shim=
if [[ " ${builds[*]}" == *:fake-cts* ]]; then
  cat > "$work/modem_lines.c" <<'EOF'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdarg.h>
#include <sys/ioctl.h>
static int asked;
int ioctl(int fd, unsigned long request, ...) {
  static int (*real)(int, unsigned long, void *);
  va_list args;
  va_start(args, request);
  void *argument = va_arg(args, void *);
  va_end(args);
  if (!real) real = (int (*)(int, unsigned long, void *))dlsym(RTLD_NEXT, "ioctl");
  if (request == TIOCMGET) {
    *(int *)argument = asked++ == 0 ? 0 : (TIOCM_CTS | TIOCM_DSR);
    return 0;
  }
  return real(fd, request, argument);
}
EOF
  cc -shared -fPIC -O2 -o "$work/modem_lines.so" "$work/modem_lines.c" -ldl
  shim=$work/modem_lines.so
fi

# One row of the table: its label, panel mode, scope mode and whether the meter moves.
rows=(
  "SIMPLE, scope off|0|0|still"
  "RADIO|1|0|still"
  "RECEIVER, scope off|2|0|still"
  "SIMPLE, scope off, meter moving|0|0|moving"
  "RADIO, meter moving|1|0|moving"
  "RECEIVER, scope off, meter moving|2|0|moving"
  "SIMPLE, scope sweeping|0|1|still"
  "RECEIVER, scope sweeping|2|1|still"
)

hz=$(getconf CLK_TCK)
# One measured stretch; prints the share of one core.
measure() {
  local bin=${1%:fake-cts}/bin mode=$2 scope=$3 meter=$4 home=$work/home preload=
  [[ $1 == *:fake-cts ]] && preload=$shim
  rm -rf "$home"
  mkdir -p "$home"
  printf '[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n[MAIN]\r\nPANELMODE=%s\r\n[SCOPE]\r\nSCOPEMODE=%s\r\n' \
    "$mode" "$scope" > "$home/Corvell.ini"
  "$bin/corvell-rx-emulator" --link "$home/receiver" --control "$home/control" --smeter 0 \
    >/dev/null &
  emulator=$!
  for _ in $(seq 50); do [ -e "$home/receiver" ] && [ -p "$home/control" ] && break; sleep 0.1; done
  local platform=offscreen
  [ -n "${DISPLAY:-}" ] && platform=xcb
  CORVELL_HOME=$home QUILLON_COM1=$home/receiver QT_QPA_PLATFORM=$platform \
    LD_PRELOAD=$preload "$bin/corvell" 2>/dev/null &
  corvell=$!
  if [ "$meter" = moving ]; then
    # The meter swings through a range of levels, a new one each 100 ms.
    (exec 3>"$home/control"
     level=0
     while :; do
       level=$(((level + 37) % 256))
       echo "smeter $level" >&3
       sleep 0.1
     done) &
    mover=$!
  fi
  sleep "$settle"  # start-up and the power-on sequence are not idle time
  local before after
  before=$(awk '{ print $14 + $15 }' "/proc/$corvell/stat")
  sleep "$span"
  after=$(awk '{ print $14 + $15 }' "/proc/$corvell/stat")
  stop "$mover"; mover=
  stop "$corvell"; corvell=
  stop "$emulator"; emulator=
  awk -v d=$((after - before)) -v hz="$hz" -v s="$span" 'BEGIN { printf "%.2f", 100 * d / hz / s }'
}

declare -A results
for ((run = 1; run <= runs; ++run)); do
  for row in "${rows[@]}"; do
    IFS='|' read -r label mode scope meter <<< "$row"
    for build in "${builds[@]}"; do
      value=$(measure "$build" "$mode" "$scope" "$meter")
      results["$build|$label"]+="$value "
      echo "run $run, $build, $label: $value %" >&2
    done
  done
done

printf '\n| build | panel mode and view | idle, %% of one core (min / median / max) |\n|---|---|---|\n'
for row in "${rows[@]}"; do
  IFS='|' read -r label _ <<< "$row"
  for build in "${builds[@]}"; do
    read -ra values <<< "${results["$build|$label"]}"
    printf '%s\n' "${values[@]}" | sort -g | awk -v b="$build" -v l="$label" '
      { v[NR] = $1 }
      END { printf "| %s | %s | %.1f / %.1f / %.1f |\n", b, l, v[1], v[int((NR + 1) / 2)], v[NR] }'
  done
done
