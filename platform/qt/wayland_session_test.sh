#!/usr/bin/env bash
# On a Wayland session the three programs run through the session's X11 server (XWayland), even
# with Qt's Wayland plug-in installed: under a headless compositor the game's window appears there
# centred and shaped, a click on New starts a game, a second start hands over and ends with 0,
# Help opens its viewer and ending the game closes it. An explicit non-Wayland QT_QPA_PLATFORM is
# kept, and without an X11 display the program says so and runs on Wayland.
#   wayland_session_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
src=$1
build=$2

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
step() { echo "-- $*"; }

for tool in weston Xwayland xdotool xwininfo xprop import compare qtpaths6; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (see packages-test.txt)"
done
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS)
compgen -G "$plugins/platforms/libqwayland-*.so" >/dev/null ||
  fail "Qt's Wayland plug-in is not installed (qt6-wayland): nothing would show it is avoided"
for program in game/window/cvob skincompiler/csfob uninstaller/uni_cvob; do
  [ -x "$build/$program" ] || fail "$build/$program is not built"
done

tmp=$(mktemp -d)
weston_pid=""
children=()
cleanup() {
  for pid in "${children[@]}"; do kill "$pid" 2>/dev/null; done
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# A private user: installation, settings and runtime folder.
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_DATA_HOME=$tmp/home/.local/share
export XDG_RUNTIME_DIR=$tmp/runtime TMPDIR=$tmp
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM GDK_BACKEND XDG_CURRENT_DESKTOP
"$src/installer/install.sh" "$build" >"$tmp/install.log" 2>&1 ||
  fail "the installation failed: $(tail -n 5 "$tmp/install.log")"
app_dir=$(tail -n 1 "$tmp/install.log")

step "a headless compositor with XWayland"
socket=orbello-wayland-$$
weston --backend=headless-backend.so --use-pixman --xwayland --socket="$socket" --width=1024 \
  --height=768 --idle-time=0 --no-config --log="$tmp/weston.log" >/dev/null 2>&1 &
weston_pid=$!
display=""
for ((i = 0; i < 200; i++)); do
  display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$tmp/weston.log" \
    2>/dev/null)
  [ -n "$display" ] || ! kill -0 "$weston_pid" 2>/dev/null && break
  sleep 0.1
done
[ -n "$display" ] || fail "weston did not start with XWayland: $(tail -n 8 "$tmp/weston.log")"
export WAYLAND_DISPLAY=$socket XDG_SESSION_TYPE=wayland DISPLAY=$display SDL_AUDIODRIVER=dummy
# XWayland starts with its first client. A window made before the compositor's window manager runs
# is placed as if it had asked for no position: wait for the manager, as a session would.
for ((i = 0; i < 150; i++)); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
  fail "XWayland's window manager did not start: $(tail -n 8 "$tmp/weston.log")"

# Waits up to $1 tenths of a second for `xdotool search ARGS...` to find a window; prints it.
find_window() {
  local tenths=$1 found
  shift
  for ((i = 0; i < tenths; i++)); do
    found=$(xdotool search "$@" 2>/dev/null | head -n 1)
    [ -n "$found" ] && echo "$found" && return 0
    sleep 0.1
  done
  return 1
}
# XWayland (22.1) aborts on a pointer warp while the compositor's seat has no pointer: the pointer
# is moved by relative steps, which go through XTEST.
click_at() {  # window x y (in the window)
  local X Y info
  info=$(xwininfo -id "$1")
  eval "$(xdotool getmouselocation --shell | grep -E '^[XY]=')"
  xdotool mousemove_relative -- $(($(corner X <<<"$info") + $2 - X)) \
    $(($(corner Y <<<"$info") + $3 - Y))
  xdotool click 1
}
corner() { sed -n "s/.*Absolute upper-left $1: *//p"; }
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
running() { kill -0 "$1" 2>/dev/null; }

step "the game's window appears on XWayland, centred and shaped"
"$app_dir/cvob" >"$tmp/cvob.log" 2>&1 &
game=$!
children+=("$game")
window=$(find_window 150 --onlyvisible --name '^Corvane Orbello$') ||
  fail "the game's window did not appear on the X11 server $DISPLAY (running: $(running $game &&
    echo yes || echo no); $(cat "$tmp/cvob.log"))"
xprop -id "$window" WM_CLASS | grep -q '"TMainForm1", "TMainForm1"' || fail "no class TMainForm1"
# The screen is 1024 x 768: centred means at (217, 144), give or take a rounding. The compositor
# may move the window into place a moment after it appears.
for ((i = 0; i < 50; i++)); do
  info=$(xwininfo -id "$window")
  x=$(corner X <<<"$info")
  y=$(corner Y <<<"$info")
  ((x >= 215 && x <= 218 && y >= 142 && y <= 145)) && break
  sleep 0.1
done
((x >= 215 && x <= 218 && y >= 142 && y <= 145)) || fail "the window is not centred: at ($x, $y)"
grep -q 'Width: 590' <<<"$info" && grep -q 'Height: 480' <<<"$info" ||
  fail "the window is not 590 x 480: $info"
shape=$(xwininfo -shape -id "$window")
grep -q 'Window shape extents' <<<"$shape" || fail "the window has no shape: $shape"

step "a click on New starts a game: the board fills and the clock runs"
{ import -window "$window" "$tmp/idle1.png" && sleep 1.2 &&
  import -window "$window" "$tmp/idle2.png"; } || fail "no picture of the window"
[ "$(differing_pixels "$tmp/idle1.png" "$tmp/idle2.png")" = 0 ] || fail "the window changes idle"
click_at "$window" 136 40
sleep 1.5
import -window "$window" "$tmp/game1.png" && sleep 1.2 && import -window "$window" "$tmp/game2.png"
started=$(differing_pixels "$tmp/idle1.png" "$tmp/game1.png")
ticked=$(differing_pixels "$tmp/game1.png" "$tmp/game2.png")
((started > 1000)) || fail "New started no game ($started pixels changed)"
((ticked > 0)) || fail "the clock stands after New"

step "a second start hands over to the first and ends with 0; the uninstaller sees the game"
timeout 20 "$app_dir/cvob" >"$tmp/second.log" 2>&1
status=$?
[ "$status" = 0 ] || fail "the second start ended with $status: $(cat "$tmp/second.log")"
count=$(xdotool search --name '^Corvane Orbello$' 2>/dev/null | wc -l)
[ "$count" = 1 ] || fail "$count game windows after a second start"
running "$game" || fail "the first game ended"
"$app_dir/uni_cvob" >/dev/null 2>&1 &
uninstaller=$!
children+=("$uninstaller")
find_window 150 --onlyvisible --pid "$uninstaller" >/dev/null ||
  fail "the uninstaller showed nothing on the X11 server"
kill "$uninstaller"

step "Help opens the viewer; ending the game closes it"
click_at "$window" 332 12
find_window 300 --onlyvisible --name '^Corvane Orbello Help' >/dev/null ||
  fail "no help window on the X11 server; its windows: $(xdotool search --onlyvisible --name . \
    getwindowname %@ 2>/dev/null | tr '\n' '|')"
# The viewer covers the game's Quit button, and this compositor raises no window on request: the
# game is ended as at the end of a session, by SIGTERM, after which it cleans up as after Quit.
kill -TERM "$game"
for ((i = 0; i < 150; i++)); do
  running "$game" || break
  sleep 0.1
done
running "$game" && fail "the game did not end"
wait "$game"
status=$?
[ "$status" = 143 ] || fail "the game ended with $status: $(cat "$tmp/cvob.log")"
for ((i = 0; i < 100; i++)); do
  xdotool search --onlyvisible --name '^Corvane Orbello Help' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Corvane Orbello Help' >/dev/null 2>&1 &&
  fail "the help window stayed open after the game ended"

step "the skin compiler: on XWayland also when Qt is asked for Wayland; other platforms are kept"
QT_QPA_PLATFORM=wayland "$build/skincompiler/csfob" >/dev/null 2>&1 &
compiler=$!
children+=("$compiler")
find_window 150 --onlyvisible --all --pid "$compiler" --name '^Creator Skins for Orbello$' \
  >/dev/null || fail "the skin compiler's window did not appear on the X11 server"
kill "$compiler"
QT_QPA_PLATFORM=offscreen "$build/skincompiler/csfob" >/dev/null 2>&1 &
compiler=$!
children+=("$compiler")
sleep 2
running "$compiler" || fail "the skin compiler did not run offscreen"
xdotool search --pid "$compiler" >/dev/null 2>&1 && fail "offscreen was not kept"
kill "$compiler"

step "without an X11 display: a message, and the window opens on Wayland"
env -u DISPLAY "$build/skincompiler/csfob" >/dev/null 2>"$tmp/csfob.log" &
compiler=$!
children+=("$compiler")
sleep 2
running "$compiler" || fail "the skin compiler did not run on Wayland: $(cat "$tmp/csfob.log")"
grep -q 'no X11 display' "$tmp/csfob.log" || fail "nothing said: $(cat "$tmp/csfob.log")"
kill "$compiler"
echo "PASS"
