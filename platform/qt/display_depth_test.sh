#!/usr/bin/env bash
# On an X server of 8 bits per pixel, where Qt would draw every window black, each of the three
# programs says on stderr and in a message box that the display's colour depth is not supported,
# and ends with status 1 once the box is answered.
#   display_depth_test.sh BUILD_DIR
set -uo pipefail
build=$1

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (see packages-test.txt)"
done
for program in game/window/cvob skincompiler/csfob uninstaller/uni_cvob; do
  [ -x "$build/$program" ] || fail "$build/$program is not built"
done

tmp=$(mktemp -d)
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share
export XDG_RUNTIME_DIR=$tmp/runtime SDL_AUDIODRIVER=dummy
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_SESSION_TYPE

Xvfb -displayfd 3 -screen 0 1024x768x8 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
server=$!
for ((i = 0; i < 100; i++)); do
  [ -s "$tmp/display" ] && break
  sleep 0.1
done
[ -s "$tmp/display" ] || fail "Xvfb did not start: $(tail -n 3 "$tmp/xvfb.log")"
export DISPLAY=:$(head -n 1 "$tmp/display")

# refuses PROGRAM LANGUAGE WORDS: the program, started in LANGUAGE, shows the box, says WORDS on
# stderr and ends with 1 once the box is answered.
refuses() {
  local program=$1 language=$2 words=$3
  local name
  name=$(basename "$program")
  LANGUAGE=$language timeout 60 "$build/$program" 2>"$tmp/$name.err" &
  local pid=$!
  local box
  box=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^Corvane Orbello$' \
    2>/dev/null | head -n 1)
  [ -n "$box" ] || {
    kill "$pid" 2>/dev/null
    fail "$name shows no message box: $(cat "$tmp/$name.err")"
  }
  xdotool key --window "$box" Return
  wait "$pid"
  local status=$?
  [ "$status" -eq 1 ] || fail "$name ended with $status, not 1: $(cat "$tmp/$name.err")"
  grep -q "$words" "$tmp/$name.err" ||
    fail "$name did not say why on stderr in $language: $(cat "$tmp/$name.err")"
  echo "-- $name refuses the 8-bit display ($language)"
}

for program in game/window/cvob skincompiler/csfob uninstaller/uni_cvob; do
  refuses "$program" en "colour depth is not supported"
done
# The player's language, on stderr and in the box (Latin-1 letters, which every server can draw).
refuses game/window/cvob de "Farbtiefe wird nicht unterstützt"
echo "PASS"
