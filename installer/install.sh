#!/usr/bin/env bash
# Installs Orbello for the current user from a build folder, or updates an installation:
#   installer/install.sh BUILD_DIR
# The installation folder is ${XDG_DATA_HOME:-$HOME/.local/share}/corvane/orbello; the registry
# stand-in lives under ${XDG_CONFIG_HOME:-$HOME/.config}/corvane. Programs, help, skins and sounds
# are replaced; the high-score file, saved games and the player's settings are kept.
# The last line printed is the installation folder.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
helper="$build/installer/orbello-install-helper"
if [ ! -x "$helper" ]; then
  echo "install.sh: $helper is not built" >&2
  exit 1
fi

folder_list=$("$helper" folders)
mapfile -t folders <<<"$folder_list"
if [ ${#folders[@]} -ne 3 ] || [ -z "${folders[0]}" ] || [ -z "${folders[1]}" ] ||
  [ -z "${folders[2]}" ]; then
  echo "install.sh: cannot tell the data, desktop and applications folders" >&2
  exit 1
fi
data_home=${folders[0]}
desktop=${folders[1]}
applications=${folders[2]}
app_dir="$data_home/corvane/orbello"
group="$applications/Corvane Software/Orbello"
url="https://www.corvane.example/orbello/"

note() { echo "install.sh: $*" >&2; }
"$helper" check "$app_dir/"

# Copies a file into place through a temporary name, so that a running program keeps its file.
# An interrupted copy leaves no dot file behind (the uninstaller would never remove it).
pending=""
trap '[ -n "$pending" ] && rm -f "$pending"' EXIT
put() {  # source target mode
  pending=$(mktemp "$(dirname "$2")/.install.XXXXXX")
  cp "$1" "$pending"
  chmod "$3" "$pending"
  mv -f "$pending" "$2"
  pending=""
}

mkdir -p "$app_dir/save" "$app_dir/skin" "$app_dir/sound"
echo "Installing Orbello into $app_dir"

# Programs: whatever the build has made so far.
for program in game/window/cvob skincompiler/csfob uninstaller/uni_cvob; do
  name=$(basename "$program")
  if [ -x "$build/$program" ]; then
    put "$build/$program" "$app_dir/$name" 755
    echo "  program $name"
  else
    note "$name is not built yet; skipped"
  fi
done

if [ -f "$build/help/cvob.chm" ]; then
  put "$build/help/cvob.chm" "$app_dir/cvob.chm" 644
  echo "  help cvob.chm"
else
  note "the help file is not built; skipped"
fi

# The high-score file: three tables of ten empty entries, made only once.
if [ ! -f "$app_dir/cvobhs.dat" ]; then
  head -c 960 /dev/zero >"$app_dir/cvobhs.dat"
  echo "  new high-score file cvobhs.dat"
else
  echo "  high-score file cvobhs.dat kept"
fi

printf '[InternetShortcut]\r\nURL=%s\r\n' "$url" >"$app_dir/Corvane.url"

shopt -s nullglob
skins=("$build"/art/skins/*.sf)
if [ ${#skins[@]} -eq 0 ]; then
  note "no skins are built; the game needs $app_dir/skin/classic.sf"
fi
for skin in "${skins[@]}"; do
  put "$skin" "$app_dir/skin/$(basename "$skin")" 644
  echo "  skin $(basename "$skin")"
done
for sound in select move destroy nopath; do
  if [ -f "$build/art/sounds/$sound.wav" ]; then
    put "$build/art/sounds/$sound.wav" "$app_dir/sound/$sound.wav" 644
  else
    note "sound $sound.wav is not built; skipped"
  fi
done
echo "  sounds"

echo "Registry settings:"
"$helper" registry "$app_dir/"

# Desktop entries. Exec arguments are quoted the freedesktop way.
quote() {
  # Inside quotes, " ` $ and \ take a backslash; the file format then doubles every backslash.
  local out="" c i
  for ((i = 0; i < ${#1}; i++)); do
    c=${1:i:1}
    case $c in
      \\) out+='\\\\' ;;
      '"' | '`' | '$') out+='\\'"$c" ;;
      %) out+='%%' ;;
      *) out+=$c ;;
    esac
  done
  printf '"%s"' "$out"
}
entry() {  # file name comment exec icon
  local tmp
  tmp=$(mktemp "$(dirname "$1")/.install.XXXXXX")
  pending=$tmp
  {
    echo "[Desktop Entry]"
    echo "Type=Application"
    echo "Version=1.0"
    echo "Name=$2"
    echo "Comment=$3"
    echo "Exec=$4"
    echo "Path=$app_dir"
    echo "Icon=$5"
    echo "Terminal=false"
    echo "Categories=Game;BoardGame;"
  } >"$tmp"
  chmod 755 "$tmp"
  mv -f "$tmp" "$1"
  pending=""
}

mkdir -p "$group" "$desktop"
# The icons live in the program group, which the uninstaller empties and removes.
for icon in orbello orbello-skins orbello-uninstall orbello-help; do
  if [ -f "$build/art/icons/$icon.png" ]; then
    put "$build/art/icons/$icon.png" "$group/$icon.png" 644
  fi
done
entry "$group/Corvane Orbello.desktop" "Corvane Orbello" "Ball-matching puzzle" \
  "$(quote "$app_dir/cvob")" "$group/orbello.png"
entry "$group/Creator Skins for Orbello.desktop" "Creator Skins for Orbello" \
  "Make skins for Orbello" "$(quote "$app_dir/csfob")" "$group/orbello-skins.png"
entry "$group/Uninstall Orbello.desktop" "Uninstall Orbello" "Remove Orbello" \
  "$(quote "$app_dir/uni_cvob")" "$group/orbello-uninstall.png"
entry "$group/Orbello Help.desktop" "Orbello Help" "How to play Orbello" \
  "xdg-open $(quote "$app_dir/cvob.chm")" "$group/orbello-help.png"
entry "$desktop/Corvane Orbello.desktop" "Corvane Orbello" "Ball-matching puzzle" \
  "$(quote "$app_dir/cvob")" "$group/orbello.png"
echo "  desktop shortcut and program group"

echo "$app_dir"
