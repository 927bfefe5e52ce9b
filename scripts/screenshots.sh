#!/usr/bin/env bash
# Takes a picture of every window and dialog of the three programs, the same way each time, so that
# two builds can be compared pixel by pixel:
#   [LANGUAGES="en de ja"] scripts/screenshots.sh OUT_DIR BUILD_DIR
# English ("en", the default) goes into OUT_DIR itself, every other language into OUT_DIR/<language>.
# Installs BUILD_DIR into a fresh private home (always the same path, so paths shown in choosers
# match) and drives the programs with xdotool on a virtual screen of fixed size. The game stays
# before a game while its clock is visible; the Save chooser, shown during a game, is cut out of the
# screen on its own. Clicks go to the buttons' fixed places in each window. Compare two sets with
#   for f in A/*.png; do echo "$(basename "$f") $(compare -metric AE "$f" "B/${f##*/}" null: 2>&1)"; done
set -euo pipefail

if [ $# -ne 2 ] || [ ! -d "$2" ]; then
  echo "usage: $0 OUT_DIR BUILD_DIR" >&2
  exit 2
fi
for tool in xvfb-run xdotool import flock; do
  command -v "$tool" >/dev/null || {
    echo "screenshots.sh: $tool is not installed" >&2
    exit 1
  }
done
mkdir -p "$1"
top=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
languages=${LANGUAGES:-en}

# One run at a time on this machine: the private home has a fixed path.
root=/tmp/orbello-screenshots
mkdir -p "$root"
exec 9>"$root.lock"
flock 9
unset WAYLAND_DISPLAY LANGUAGE
# Everything below once per language, from a fresh installation.
for language in $languages; do
  if [ "$language" = en ]; then
    out=$top
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
  else
    out=$top/$language
    mkdir -p "$out"
    echo "language $language"
    # As a player's desktop chooses it: the LANGUAGE list first.
    export LANGUAGE=$language LANG=$language.UTF-8
    unset LC_ALL
  fi
  rm -rf "${root:?}/home" "${root:?}/runtime"
  mkdir -p "$root/home" "$root/runtime"
  chmod 700 "$root/runtime"
  export HOME=$root/home XDG_CONFIG_HOME=$root/home/.config XDG_DATA_HOME=$root/home/.local/share
  export XDG_CACHE_HOME=$root/home/.cache XDG_RUNTIME_DIR=$root/runtime
  export TZ=UTC QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI QT_STYLE_OVERRIDE
  app=$(bash "$here/../installer/install.sh" "$build" 2>/dev/null | tail -n 1)
  [ -x "$app/cvob" ] || {
    echo "screenshots.sh: the installation in $app has no game" >&2
    exit 1
  }

  # The look of a game in progress, from the installer's tool with its fixed seed.
  if [ -x "$build/installer/orbello-screenshot" ]; then
    for skin in classic retro gems; do
      QT_QPA_PLATFORM=offscreen "$build/installer/orbello-screenshot" "$build" "$skin" \
        "$out/in-game-$skin.png" && echo "  in-game-$skin.png"
    done
  fi

  export OUT=$out APP=$app
  # shellcheck disable=SC2016  # the driving script expands its variables itself
  xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -euo pipefail -c '
pids=()
trap "for p in \${pids[@]+\"\${pids[@]}\"}; do kill \$p 2>/dev/null || true; done" EXIT

# The visible top-level window whose title matches, or with "-" the one that is not the game
# window, waiting up to ten seconds.
find_window() {
  local i w
  for ((i = 0; i < 100; i++)); do
    if [ "$1" = - ]; then
      w=$(xdotool search --onlyvisible --maxdepth 1 --name "" 2>/dev/null |
        grep -vx -e "$main" -e "$rootwin" | tail -n 1 || true)
    else
      w=$(xdotool search --onlyvisible --maxdepth 1 --name "$1" 2>/dev/null | tail -n 1 || true)
    fi
    if [ -n "$w" ]; then
      sleep 0.7  # drawn and settled
      echo "$w"
      return
    fi
    sleep 0.1
  done
  echo "screenshots.sh: no window \"$1\" appeared" >&2
  import -window root "$OUT/failed.png"
  exit 1
}
gone() {
  local i
  for ((i = 0; i < 20; i++)); do
    xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
    xdotool search --onlyvisible --maxdepth 1 --name "" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  return 1
}
shot() { import -window root "$OUT/$1.png"; echo "  $1.png"; }
# Only the window itself, for what shows beside a running clock.
shot_window() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$2")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$OUT/$1.png"
  echo "  $1.png"
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# Closes a window with Escape or, where that does nothing, by pressing its focused button.
close() {
  local key
  for key in Escape space Return; do
    xdotool windowfocus "$1" 2>/dev/null || true
    xdotool key "$key"
    gone "$1" && return
  done
  echo "screenshots.sh: a window stays open" >&2
  exit 1
}

rootwin=$(($(LC_ALL=C xwininfo -root | awk "/Window id/ { print \$4 }")))
cd "$APP"
echo "game"
main=none
./cvob & pids+=($!)
main=$(find_window "^Corvane Orbello\$")
shot game
click "$main" 172 40; menu=$(find_window -); shot game-type-menu; close "$menu"
click "$main" 78 160; menu=$(find_window -); shot score-type-menu; close "$menu"
click "$main" 42 160; w=$(find_window -); shot best-results; close "$w"
click "$main" 48 200; w=$(find_window -); shot settings; close "$w"
click "$main" 55 240; w=$(find_window -); shot about; close "$w"
click "$main" 90 80; w=$(find_window -); shot load-chooser; close "$w"
# A file that is no saved game, chosen by name: the message that says so.
: >"$APP/save/broken.osf"
click "$main" 90 80; w=$(find_window -)
xdotool type --delay 20 broken.osf; xdotool key Return; gone "$w"
w=$(find_window -); shot load-message; close "$w"
rm "$APP/save/broken.osf"
# The uninstaller started while the game runs refuses with a message.
"$APP/uni_cvob" & pids+=($!)
w=$(find_window -); shot uninstaller-game-running
kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null || true; gone "$w"
# From here the clock runs: only the dialogs themselves.
click "$main" 136 40; sleep 1
click "$main" 64 120; w=$(find_window -); shot_window save-chooser "$w"; close "$w"
kill "${pids[0]}"; wait "${pids[0]}" 2>/dev/null || true
main=none
sleep 1

echo "skin compiler"
# Started in an empty folder: its choosers open there and show no changing file dates.
mkdir -p "$HOME/empty"; cd "$HOME/empty"
"$APP/csfob" & pids+=($!)
main=$(find_window -)
shot skin-compiler
click "$main" 330 50; w=$(find_window -); shot skin-compiler-chooser; close "$w"
kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null || true
main=none

echo "uninstaller"
"$APP/uni_cvob" & pids+=($!)
main=$(find_window -); shot uninstaller
click "$main" 366 258; w=$(find_window -); shot uninstaller-cancel-question
kill "${pids[-1]}"; wait "${pids[-1]}" 2>/dev/null || true
'
done
