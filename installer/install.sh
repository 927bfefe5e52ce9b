#!/usr/bin/env bash
# Installs Orbello for the current user from a build folder, or updates an installation:
#   installer/install.sh BUILD_DIR
# The installation folder is ${XDG_DATA_HOME:-$HOME/.local/share}/corvane/orbello; the registry
# stand-in lives under ${XDG_CONFIG_HOME:-$HOME/.config}/corvane. Programs, help, skins and sounds
# are replaced; the high-score file, saved games and the player's settings are kept. What it puts
# into the installation folder is listed in install.manifest there, which the uninstaller needs.
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
# What goes into the installation folder is listed in its manifest, the uninstaller's proof that
# the folder is ours and its list of what to delete; entries of an earlier installation stay
# listed while their files are there.
manifest="$app_dir/install.manifest"
manifest_header="# Orbello installation manifest 1"
declare -A listed=()
listed_order=()
record() {  # path inside the installation folder
  local relative=${1#"$app_dir"/}
  if [ "$relative" != "$1" ] && [ -z "${listed[$relative]+x}" ]; then
    listed[$relative]=1
    listed_order+=("$relative")
  fi
}
if [ -f "$manifest" ] && [ "$(head -n 1 "$manifest")" = "$manifest_header" ]; then
  while IFS= read -r line; do
    [ -e "$app_dir/$line" ] && record "$app_dir/$line"
  done < <(tail -n +2 "$manifest")
fi
put() {  # source target mode
  pending=$(mktemp "$(dirname "$2")/.install.XXXXXX")
  cp "$1" "$pending"
  chmod "$3" "$pending"
  mv -f "$pending" "$2"
  pending=""
  record "$2"
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
# Opens help files with the book's title first in the viewer's title (registered at the end).
put "$(dirname "$0")/orbello-help" "$app_dir/orbello-help" 755

# The high-score file: three tables of ten empty entries, made only once.
if [ ! -f "$app_dir/cvobhs.dat" ]; then
  head -c 960 /dev/zero >"$app_dir/cvobhs.dat"
  echo "  new high-score file cvobhs.dat"
else
  echo "  high-score file cvobhs.dat kept"
fi

record "$app_dir/cvobhs.dat"

printf '[InternetShortcut]\r\nURL=%s\r\n' "$url" >"$app_dir/Corvane.url"
record "$app_dir/Corvane.url"

shopt -s nullglob
skins=("$build"/art/skins/*.sf)
if [ ${#skins[@]} -eq 0 ]; then
  note "no skins are built; the game needs $app_dir/skin/classic.sf"
fi
for skin in "${skins[@]}"; do
  put "$skin" "$app_dir/skin/$(basename "$skin")" 644
  echo "  skin $(basename "$skin")"
  # Its pictures for screens of double density, in a file beside it that follows its bytes.
  if [ -f "${skin}2x" ]; then
    put "${skin}2x" "$app_dir/skin/$(basename "$skin")2x" 644
  fi
  # The names of its ball colours for the screen reader, beside it in the same way.
  if [ -f "${skin}.names" ]; then
    put "${skin}.names" "$app_dir/skin/$(basename "$skin").names" 644
  fi
done
for sound in select move destroy nopath; do
  if [ -f "$build/art/sounds/$sound.wav" ]; then
    put "$build/art/sounds/$sound.wav" "$app_dir/sound/$sound.wav" 644
  else
    note "sound $sound.wav is not built; skipped"
  fi
done
echo "  sounds"

# The translations' catalogues, beside the programs that look for them there (not the test-only
# pseudo-language).
catalogues=0
for catalogue in "$build"/i18n/orbello_*.qm; do
  [ "$(basename "$catalogue")" = orbello_xx.qm ] && continue
  put "$catalogue" "$app_dir/$(basename "$catalogue")" 644
  catalogues=$((catalogues + 1))
done
echo "  $catalogues translations"

pending=$(mktemp "$app_dir/.install.XXXXXX")
{
  echo "$manifest_header"
  printf '%s\n' "${listed_order[@]}"
} >"$pending"
chmod 644 "$pending"
mv -f "$pending" "$manifest"
pending=""
echo "  manifest $(basename "$manifest") of ${#listed_order[@]} files"

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
# A value of the string type: backslashes and leading blanks take the file format's escapes.
string_value() {
  local value=${1//\\/\\\\}
  value=${value//$'\n'/\\n}
  value=${value//$'\t'/\\t}
  value=${value//$'\r'/\\r}
  [ "${value:0:1}" = " " ] && value="\\s${value:1}"
  printf '%s' "$value"
}
# The Exec value that starts the program at $1. The desktop's launcher looks a program up before it
# turns %% back into %, so a program whose path holds a % is started by a shell found by name.
launch() {
  if [[ $1 == *%* ]]; then
    printf 'sh -c %s %s' "$(quote 'exec "$0"')" "$(quote "$1")"
  else
    quote "$1"
  fi
}
entry() {  # file name comment exec icon [more lines]
  local tmp file=$1 name=$2 comment=$3 exec=$4 icon=$5
  shift 5
  tmp=$(mktemp "$(dirname "$file")/.install.XXXXXX")
  pending=$tmp
  {
    echo "[Desktop Entry]"
    echo "Type=Application"
    echo "Version=1.0"
    echo "Name=$name"
    echo "Comment=$comment"
    echo "Exec=$exec"
    echo "Path=$(string_value "$app_dir")"
    echo "Icon=$icon"
    echo "Terminal=false"
    echo "Categories=Game;LogicGame;"
    printf '%s\n' "$@"
  } >"$tmp"
  chmod 755 "$tmp"
  mv -f "$tmp" "$file"
  pending=""
}

# The icons go into the desktop's icon theme at every size the art generator drew; the entries
# name them. The uninstaller removes exactly these files.
icon_theme="$data_home/icons/hicolor"
icon_names=(com.corvane.Orbello com.corvane.Orbello.SkinCompiler com.corvane.Orbello.Uninstall
  com.corvane.Orbello.Help)
icon_count=0
for size in 16 22 24 32 48 64 128 256; do
  for icon in "${icon_names[@]}"; do
    source="$build/art/icons/hicolor/${size}x${size}/apps/$icon.png"
    if [ -f "$source" ]; then
      mkdir -p "$icon_theme/${size}x${size}/apps"
      put "$source" "$icon_theme/${size}x${size}/apps/$icon.png" 644
      icon_count=$((icon_count + 1))
    fi
  done
done
if [ $icon_count -eq 0 ]; then
  note "the icons are not drawn yet; the menu shows none"
else
  echo "  $icon_count icons in $icon_theme"
fi

mkdir -p "$group" "$desktop"
# Earlier installations kept their icons in the program group.
rm -f "$group/orbello.png" "$group/orbello-skins.png" "$group/orbello-uninstall.png" \
  "$group/orbello-help.png"
# The game's entry: its window carries the class TMainForm1, which lets a dock or task bar put the
# running window under its launcher.
game_lines=("Keywords=puzzle;balls;lines;colours;colors;board;logic;" "StartupWMClass=TMainForm1")
entry "$group/Corvane Orbello.desktop" "Corvane Orbello" "Ball-matching puzzle" \
  "$(launch "$app_dir/cvob")" com.corvane.Orbello "${game_lines[@]}"
entry "$group/Creator Skins for Orbello.desktop" "Creator Skins for Orbello" \
  "Make skins for Orbello" "$(launch "$app_dir/csfob")" com.corvane.Orbello.SkinCompiler \
  "Keywords=skin;theme;pictures;editor;"
entry "$group/Uninstall Orbello.desktop" "Uninstall Orbello" "Remove Orbello" \
  "$(launch "$app_dir/uni_cvob")" com.corvane.Orbello.Uninstall
entry "$group/Orbello Help.desktop" "Orbello Help" "How to play Orbello" \
  "xdg-open $(quote "$app_dir/cvob.chm")" com.corvane.Orbello.Help "Keywords=manual;rules;"
entry "$desktop/Corvane Orbello.desktop" "Corvane Orbello" "Ball-matching puzzle" \
  "$(launch "$app_dir/cvob")" com.corvane.Orbello "${game_lines[@]}"
echo "  desktop shortcut and program group"

# What software centres show of the game.
mkdir -p "$data_home/metainfo"
put "$(dirname "$0")/com.corvane.Orbello.metainfo.xml" \
  "$data_home/metainfo/com.corvane.Orbello.metainfo.xml" 644
echo "  metainfo com.corvane.Orbello.metainfo.xml"

# The handler of compiled help files: the game and the skin compiler open cvob.chm through the
# desktop and close the viewer at their end by its title, which must begin with the book's title.
# The launcher gives the viewer that title. It becomes the default in the applications folder's
# mimeapps.list, below the player's own choices in the configuration folder, which still win. Its
# entry names no MimeType: the desktop's MIME cache then never lists it, nor keeps naming it after
# the uninstaller has removed it.
help_entry_id=com.corvane.Orbello.HelpViewer.desktop
help_types=(application/vnd.ms-htmlhelp application/x-chm)
register_help_viewer() {
  local launcher="$app_dir/orbello-help" list="$applications/mimeapps.list" source tmp type chosen
  # The desktop's plain opener splits Exec at blanks and takes no quotes.
  if [[ ! $launcher =~ ^[A-Za-z0-9/._+,:@~-]+$ ]]; then
    note "the help viewer is not registered: its path has blanks or special characters"
    return
  fi
  if ! command -v xchm >/dev/null; then
    note "the help viewer xchm is not installed; the desktop chooses how help files open"
    return
  fi
  tmp=$(mktemp "$applications/.install.XXXXXX")
  pending=$tmp
  {
    echo "[Desktop Entry]"
    echo "Type=Application"
    echo "Version=1.0"
    echo "Name=Orbello Help Viewer"
    echo "Comment=Compiled help files with the book's title first in the window title"
    echo "Exec=$launcher %f"
    echo "NoDisplay=true"
    echo "Terminal=false"
  } >"$tmp"
  chmod 644 "$tmp"
  mv -f "$tmp" "$applications/$help_entry_id"
  # Our lines replace earlier defaults for the same types; everything else stays as it was.
  source=/dev/null
  [ -f "$list" ] && source=$list
  tmp=$(mktemp "$applications/.install.XXXXXX")
  pending=$tmp
  awk -v id="$help_entry_id" -v types="${help_types[*]}" '
    BEGIN { n = split(types, t, " "); for (i = 1; i <= n; i++) ours[t[i] "="] = 1 }
    function defaults() { for (i = 1; i <= n; i++) print t[i] "=" id ";"; done = 1 }
    /^\[/ { if (section == "[Default Applications]" && !done) defaults(); section = $0 }
    { key = substr($0, 1, index($0, "=")) }
    !(section == "[Default Applications]" && key in ours) { print }
    /^\[Default Applications\]$/ { defaults() }
    END { if (!done) { print "[Default Applications]"; defaults() } }
  ' "$source" >"$tmp"
  chmod 644 "$tmp"
  mv -f "$tmp" "$list"
  pending=""
  echo "  help viewer for ${help_types[*]}"
  if command -v xdg-mime >/dev/null; then
    for type in "${help_types[@]}"; do
      chosen=$(xdg-mime query default "$type" 2>/dev/null || true)
      if [ -n "$chosen" ] && [ "$chosen" != "$help_entry_id" ]; then
        note "$type opens with $chosen (your choice); ending the game will not close its window"
      fi
    done
  fi
}
register_help_viewer

# Menus and icon lookups work from caches; refresh them where the tools are installed. A theme
# folder without its index.theme has no cache of its own; its changed time tells lookups to look
# again.
if command -v update-desktop-database >/dev/null; then
  update-desktop-database -q "$applications" || note "the desktop database was not refreshed"
fi
if [ -d "$icon_theme" ]; then
  touch "$icon_theme"
fi
if command -v gtk-update-icon-cache >/dev/null; then
  if [ -f "$icon_theme/index.theme" ]; then
    gtk-update-icon-cache -q "$icon_theme" || note "the icon cache was not refreshed"
  elif [ -f "$icon_theme/icon-theme.cache" ]; then
    gtk-update-icon-cache -q -t "$icon_theme" || note "the icon cache was not refreshed"
  fi
fi

echo "$app_dir"
