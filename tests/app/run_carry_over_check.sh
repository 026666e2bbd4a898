#!/usr/bin/env bash
# The real ./run.sh with a real receiver named (QUILLON_COM1 = the emulator's pseudo-terminal)
# carrying the settings an earlier run.sh kept beside the program (BUILD_DIR/bin) over into the
# per-user folder: MEMFILEPATH then names the copy, quoted or not; a carry-over that fails says
# what and why and leaves nothing, so a later run with room copies; without HOME it says so before
# anything is built.
#   run_carry_over_check.sh SOURCE_DIR BUILD_DIR BUILD_TYPE CASE
#   CASE: memory-file | failure | no-home
# run.sh builds in BUILD_DIR (this build, up to date, so nothing is built). The old settings are
# placed in BUILD_DIR/bin through an overlay in a mount namespace of the test's own, so they never
# reach the real folder; the config folders are small file systems there too. Exit 77: skipped.
set -euo pipefail
src=$1
build=$2
build_type=$3
case_name=$4
bin=$build/bin

skip() {
  echo "run_carry_over_check: skipped: $*"
  exit 77
}
fail() {
  echo "run_carry_over_check: $*" >&2
  status=1
}
status=0

if [ -z "${CARRY_OVER_NAMESPACE:-}" ]; then
  # run.sh configures the build as RelWithDebInfo: any other would be built anew here.
  [ "$build_type" = RelWithDebInfo ] ||
    skip "run.sh would configure this $build_type build as RelWithDebInfo and build it anew"
  why=$(unshare --mount --propagation private true 2>&1) || skip "no mount namespace: $why"
  CARRY_OVER_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi

tmp=$(mktemp -d /tmp/corvell-run-carry-over-XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  umount -l "$bin" 2>/dev/null || true
  umount -R -l "$tmp" 2>/dev/null || true
  rm -rf -- "$tmp"
}
trap cleanup EXIT

why=$(mount -t tmpfs -o size=8m tmpfs "$tmp" 2>&1) || skip "mounting a tmpfs is not allowed here: $why"
mkdir "$tmp/upper" "$tmp/work" "$tmp/caller" "$tmp/home"
why=$(mount -t overlay overlay -o "lowerdir=$bin,upperdir=$tmp/upper,workdir=$tmp/work" "$bin" 2>&1) ||
  skip "an overlay over the build's bin/ is not allowed here: $why"
mountpoint -q "$bin" || skip "the overlay over $bin is not in place"
# What the real bin/ holds of its own stays out of sight (in the overlay only).
rm -f -- "$bin"/Corvell.ini "$bin"/*.[Mm][Cc][Hh]

for v in $(compgen -e | grep '^QUILLON_COM\|^CORVELL_HOME$\|^XDG_CONFIG_HOME$' || true); do unset "$v"; done
export HOME=$tmp/home QT_QPA_PLATFORM=offscreen BUILD_DIR=$build
fixture=$src/tests/fixtures/windows.MCH

wait_until() { # SECONDS COMMAND...: true once COMMAND holds, false when the time is up first
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.05
  done
}
alive() { # PID: running, not a zombie
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [ "${stat:0:1}" != Z ]
}
not() { ! "$@"; }
has_lines() { [ -s "$1" ]; }

# The emulated receiver on a pseudo-terminal, logging every line it receives.
start_emulator() {
  rm -f "$tmp/rx" "$tmp/rx.log"
  "$bin/corvell-rx-emulator" --link "$tmp/rx" --log "$tmp/rx.log" </dev/null >/dev/null 2>&1 &
  emulator=$!
  pids+=("$emulator")
  wait_until 30 test -e "$tmp/rx" || fail "the emulator made no link"
}
stop_emulator() {
  kill -TERM "$emulator" 2>/dev/null || true
  wait "$emulator" 2>/dev/null || true
}

# run_sh ENV...: the real run.sh from the caller's folder to its end (a failure), its status in
# $run_status, its output in $tmp/out and $tmp/err.
run_sh() {
  run_status=0
  (cd "$tmp/caller" && exec timeout 300 env "$@" bash "$src/run.sh") >"$tmp/out" 2>"$tmp/err" ||
    run_status=$?
}
# start_corvell ENV...: the real run.sh on the emulator until Corvell (which run.sh becomes) has
# switched the receiver on, so an end by signal is an Exit; false when it never does.
start_corvell() {
  start_emulator
  (cd "$tmp/caller" && exec env "$@" QUILLON_COM1="$tmp/rx" bash "$src/run.sh") \
    >"$tmp/out" 2>"$tmp/err" &
  corvell=$!
  pids+=("$corvell")
  wait_until 120 switched_on_or_ended || true
  if ! has_lines "$tmp/rx.log"; then
    fail "Corvell never switched the receiver on; run.sh said: $(cat "$tmp/err")"
    kill -KILL "$corvell" 2>/dev/null || true
    wait "$corvell" 2>/dev/null || true
    stop_emulator
    return 1
  fi
}
switched_on_or_ended() { has_lines "$tmp/rx.log" || ! alive "$corvell"; }
end_corvell() {
  kill -TERM "$corvell"
  wait_until 60 not alive "$corvell" || fail "Corvell did not end on SIGTERM"
  wait "$corvell" 2>/dev/null || true
  stop_emulator
}

# The value of MEMFILEPATH in a settings file, quotes and all.
memfilepath() {
  tr -d '\r' <"$1" | sed -n 's/^[[:blank:]]*[Mm][Ee][Mm][Ff][Ii][Ll][Ee][Pp][Aa][Tt][Hh][[:blank:]]*=[[:blank:]]*//p' |
    sed 's/[[:blank:]]*$//' | head -1
}

case $case_name in
memory-file)
  # Old settings as the program writes them, and as a hand may (@DIR@ is the folder named), over
  # a settings folder that is new or holds the empty files an interrupted copy of earlier
  # versions left.
  rows=(
    'quoted, CRLF|new|[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\nMEMFILEPATH="@DIR@/NONAME.MCH"\r\nACTIVEBANK=0\r\n'
    'unquoted, LF|new|[DATA]\nCOMPORT=1\nCONNECT=1\nMEMFILEPATH=@DIR@/NONAME.MCH\n'
    'key in other case, blanks around|new|[Data]\r\nCOMPORT=1\r\nCONNECT=1\r\n  MemFilePath = "@DIR@/NONAME.MCH" \r\n'
    'over empty files left before|empty files|[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\nMEMFILEPATH="@DIR@/NONAME.MCH"\r\n'
  )
  config=$tmp/home/.config/corvell
  for row in "${rows[@]}"; do
    IFS='|' read -r name folder text <<<"$row"
    rm -rf -- "$tmp/home/.config"
    if [ "$folder" = "empty files" ]; then
      mkdir -p "$config"
      : >"$config/Corvell.ini"
      : >"$config/NONAME.MCH"
    fi
    printf "${text//@DIR@/$bin}" >"$bin/Corvell.ini"
    cp -- "$fixture" "$bin/NONAME.MCH"
    start_corvell || continue
    # Corvell writes its settings at its end only: what is there now is the carry-over's.
    printf "${text//@DIR@/$config}" >"$tmp/expected.ini"
    if ! cmp -s "$tmp/expected.ini" "$config/Corvell.ini"; then
      fail "$name: the carried-over Corvell.ini is not the old one naming the copy:"
      cat -A "$config/Corvell.ini" >&2 || true
    fi
    cmp -s "$fixture" "$config/NONAME.MCH" || fail "$name: NONAME.MCH is not copied as it was"
    end_corvell
    # Corvell loaded the copy, so it names it again at its end.
    [ "$(memfilepath "$config/Corvell.ini")" = "\"$config/NONAME.MCH\"" ] ||
      fail "$name: at its end Corvell names $(memfilepath "$config/Corvell.ini"), not the copy"
    cmp -s "$fixture" "$bin/NONAME.MCH" || fail "$name: the old NONAME.MCH was changed"
  done
  ;;

failure)
  # name | how the config folder fails | the file the message names | the reason it gives
  rows=(
    'read-only folder|read-only|NONAME.MCH|Read-only file system'
    'read-only, settings folder not made yet|read-only-parent||Read-only file system'
    'full|full|NONAME.MCH|No space left on device'
    'room for the memory file only|room-for-one-page|Corvell.ini|No space left on device'
  )
  printf '[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\nMEMFILEPATH="%s/NONAME.MCH"\r\n' "$bin" >"$bin/Corvell.ini"
  cp -- "$fixture" "$bin/NONAME.MCH"
  page=$(getconf PAGESIZE)
  for row in "${rows[@]}"; do
    IFS='|' read -r name how file reason <<<"$row"
    disk=$tmp/disk
    config=$disk/corvell
    mkdir -p "$disk"
    mount -t tmpfs -o size=$((16 * page)) tmpfs "$disk"
    case $how in
    read-only)
      mkdir "$config"
      mount -o remount,ro "$disk"
      ;;
    read-only-parent) mount -o remount,ro "$disk" ;;
    full | room-for-one-page)
      mkdir "$config"
      dd if=/dev/zero of="$disk/filler" bs="$page" 2>/dev/null || true
      [ "$how" = full ] || truncate -s "-$page" "$disk/filler"
      ;;
    esac

    run_sh QUILLON_COM1=/dev/null XDG_CONFIG_HOME="$disk"
    [ "$run_status" -ne 0 ] || fail "$name: run.sh ended with status 0"
    [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "$name: run.sh did not say it on one line:"
    line=$(head -1 "$tmp/err")
    [[ $line == run.sh:*"$config"*"$file"*"$reason"* ]] ||
      fail "$name: the message names not the folder $config${file:+, $file} and '$reason': $(cat "$tmp/err")"
    left=$(find "$disk" -mindepth 1 ! -name filler ! -path "$config" -printf '%P\n')
    [ -z "$left" ] || fail "$name: the failed carry-over left: $left"

    # With room, a later run copies.
    rm -f "$disk/filler"
    mount -o remount,rw "$disk"
    start_corvell XDG_CONFIG_HOME="$disk" || continue
    cmp -s "$fixture" "$config/NONAME.MCH" || fail "$name: with room, NONAME.MCH is not copied"
    [ "$(memfilepath "$config/Corvell.ini")" = "\"$config/NONAME.MCH\"" ] ||
      fail "$name: with room, MEMFILEPATH is $(memfilepath "$config/Corvell.ini" || true)"
    end_corvell
    umount "$disk"
  done
  ;;

no-home)
  # name | what is set besides QUILLON_COM1 (HOME never) | HOME needed
  rows=(
    'nothing|-|yes'
    'a relative XDG_CONFIG_HOME|XDG_CONFIG_HOME=config|yes'
    'an absolute XDG_CONFIG_HOME|XDG_CONFIG_HOME=@TMP@/xdg|no'
    'CORVELL_HOME|CORVELL_HOME=@TMP@/corvell-home|no'
  )
  for row in "${rows[@]}"; do
    IFS='|' read -r name setting needed <<<"$row"
    setting=${setting//@TMP@/$tmp}
    [ "$setting" = - ] && setting=
    if [ "$needed" = yes ]; then
      run_sh -u HOME QUILLON_COM1=/dev/null $setting
      [ "$run_status" -ne 0 ] || fail "$name: run.sh ended with status 0"
      [ ! -s "$tmp/out" ] || fail "$name: run.sh built before it found HOME missing: $(head -3 "$tmp/out")"
      grep -q '^run\.sh: HOME .*set HOME' "$tmp/err" ||
        fail "$name: run.sh did not say HOME is to be set: $(cat "$tmp/err")"
    else
      # The folder is found without HOME: Corvell starts in it (settings that switch it on).
      folder=${setting#*=}
      [ "${setting%%=*}" = XDG_CONFIG_HOME ] && folder=$folder/corvell
      mkdir -p "$folder"
      printf '[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n' >"$folder/Corvell.ini"
      start_corvell -u HOME $setting || continue
      end_corvell
      grep -q PANELMODE "$folder/Corvell.ini" || fail "$name: Corvell did not keep its settings in $folder"
      ! grep -q HOME "$tmp/err" || fail "$name: run.sh spoke of HOME: $(cat "$tmp/err")"
    fi
  done
  ;;

*)
  echo "run_carry_over_check: no case $case_name" >&2
  exit 2
  ;;
esac
exit $status
