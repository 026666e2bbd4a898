#!/usr/bin/env bash
# Carries the settings an earlier ./run.sh kept beside the program (BIN/Corvell.ini and the memory
# files there) over into the per-user settings folder HOME: each memory file is copied unless HOME
# holds one of that name already, MEMFILEPATH then names the copy, and Corvell.ini comes last, as
# its presence says the carry-over is done. Everything is written under temporary names and
# renamed into place only once all of it is written; on any failure what was made is removed, one
# line on standard error names what failed and why, and the status is 1.
#   carry-over-settings.sh BIN HOME
set -euo pipefail
bin=$1
home=$2

made=()   # temporary files written so far
placed=() # files renamed into place so far
undo() {
  if [ ${#made[@]} -gt 0 ] || [ ${#placed[@]} -gt 0 ]; then
    rm -f -- "${made[@]}" "${placed[@]}"
  fi
}
trap 'undo; exit 1' INT TERM HUP

# The reason in a tool's message ("cp: error writing 'x': No space left on device").
reason() {
  local line=${1%$'\n'}
  line=${line##*$'\n'}
  echo "${line##*: }"
}
# fail WHAT TOOL-MESSAGE
fail() {
  undo
  echo "run.sh: the settings beside the program could not be copied to $home: $1: $(reason "${2:-failed}") (nothing was copied; Corvell is not started)" >&2
  exit 1
}
# temporary NAME: a temporary file in HOME for NAME, its name short so that it fits wherever
# NAME does.
temporary() {
  local err
  err=$(mktemp -- "$home/.carry-over-XXXXXX" 2>&1) || fail "$1" "$err"
  made+=("$err")
  tmp=$err
  # As any new file of the user's, not the private mode of a temporary one.
  err=$(chmod -- "$mode" "$tmp" 2>&1) || fail "$1" "$err"
}
mode=$(printf '%o' $((0666 & ~$(umask))))

shopt -s nullglob
copied=/ # the names of the memory files copied, each followed by "/"
names=()
temps=()
for src in "$bin"/*.[Mm][Cc][Hh]; do
  name=${src##*/}
  [ -f "$src" ] || continue
  # A memory file of that name in HOME is the user's; an empty one (what an interrupted copy of
  # earlier versions left) holds nothing to keep.
  if [ -e "$home/$name" ] || [ -L "$home/$name" ]; then
    [ -f "$home/$name" ] && [ ! -L "$home/$name" ] && [ ! -s "$home/$name" ] || continue
  fi
  temporary "$name"
  err=$(cp -- "$src" "$tmp" 2>&1) || fail "$name" "$err"
  names+=("$name")
  temps+=("$tmp")
  copied+=$name/
done

# MEMFILEPATH in [DATA] naming one of the copied files names its copy: quoted or not as it was,
# the key and section matched as the program reads them (case aside, blanks trimmed), every other
# byte and line end as it was.
temporary Corvell.ini
ini_temp=$tmp
ends_with_newline=1
[ -z "$(tail -c 1 -- "$bin/Corvell.ini")" ] || ends_with_newline=
err=$({ OLD_DIR="$bin/" REAL_OLD_DIR="$(realpath -- "$bin")/" NEW_DIR="$home/" COPIED=$copied \
  ENDS_WITH_NEWLINE=$ends_with_newline LC_ALL=C awk '
  function trim(s) {
    sub(/^[ \t\r\013\014]+/, "", s)
    sub(/[ \t\r\013\014]+$/, "", s)
    return s
  }
  # The copy a path names, or "" when it names none of the copied files.
  function copyOf(path, old,    file) {
    if (old == "" || substr(path, 1, length(old)) != old) return ""
    file = substr(path, length(old) + 1)
    if (file == "" || file ~ /\// || index(ENVIRON["COPIED"], "/" file "/") == 0) return ""
    return ENVIRON["NEW_DIR"] file
  }
  {
    line = $0
    bom = ""
    if (NR == 1 && substr(line, 1, 3) == "\357\273\277") {
      bom = substr(line, 1, 3)
      line = substr(line, 4)
    }
    t = trim(line)
    eq = index(line, "=")
    if (substr(t, 1, 1) == "[") {
      name = substr(t, 2)
      for (i = length(name); i > 0 && substr(name, i, 1) != "]"; i--)
        ;
      if (i > 0) name = substr(name, 1, i - 1)
      section = tolower(trim(name))
    } else if (section == "data" && substr(t, 1, 1) != ";" && eq > 0 &&
               tolower(trim(substr(line, 1, eq - 1))) == "memfilepath") {
      rest = substr(line, eq + 1)
      match(rest, /^[ \t\r\013\014]*/)
      lead = substr(rest, 1, RLENGTH)
      value = trim(rest)
      tail = substr(rest, RLENGTH + length(value) + 1)
      quote = ""
      if (length(value) >= 2 && substr(value, 1, 1) == "\"" && substr(value, length(value)) == "\"") {
        quote = "\""
        value = substr(value, 2, length(value) - 2)
      }
      copy = copyOf(value, ENVIRON["OLD_DIR"])
      if (copy == "") copy = copyOf(value, ENVIRON["REAL_OLD_DIR"])
      if (copy != "") line = substr(line, 1, eq) lead quote copy quote tail
    }
    if (NR > 1) printf "\n"
    printf "%s%s", bom, line
  }
  END { if (NR > 0 && ENVIRON["ENDS_WITH_NEWLINE"] != "") printf "\n" }
  ' "$bin/Corvell.ini" | cat >"$ini_temp"; } 2>&1) || fail Corvell.ini "$err"

err=$(sync -- "${made[@]}" 2>&1) || fail "the copies cannot be flushed to the disk" "$err"
for i in "${!names[@]}"; do
  err=$(mv -fT -- "${temps[$i]}" "$home/${names[$i]}" 2>&1) || fail "${names[$i]}" "$err"
  placed+=("$home/${names[$i]}")
done
err=$(mv -fT -- "$ini_temp" "$home/Corvell.ini" 2>&1) || fail Corvell.ini "$err"
