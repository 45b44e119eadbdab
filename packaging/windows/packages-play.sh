#!/usr/bin/env bash
# usage: packages-play.sh ZIP SETUP
# Plays both Windows packages as a player would, under Wine in a fresh
# prefix on a virtual display. The zip, unpacked into a folder with accents
# beside an original record file: the board shows, an arrow key moves a tile
# and the title counts it, the exit button ends the game, and the record
# file comes back byte for byte. The installer, run silently: the game lands
# under Program Files and plays, its files go to the player's AppData, and
# the silent uninstall removes the program and leaves the records.
set -euo pipefail
zip=$1
setup=$2
tmp=$(mktemp -d)
display_pid=
cleanup() {
    WINEPREFIX="$tmp/prefix" wineserver -k 2>/dev/null || true
    [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "packages-play: $*" >&2
    exit 1
}

mkdir "$tmp/Játékok"
(cd "$tmp/Játékok" && cmake -E tar xf "$zip")
folder=$(echo "$tmp/Játékok"/dezudor-*)
[ -f "$folder/dezudor.exe" ] || fail "no dezudor.exe at the top of the zip's folder"
# "Ágnes ős ű", 1:05 and "Anna", 12:40, as the original program wrote them.
printf '\301gnes \365s \373\r\n01 : 05\r\nAnna\r\n12 : 40\r\n' >"$tmp/original"
cp "$tmp/original" "$folder/scores.txt"

exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
display_pid=$!
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$tmp/display")"
export WINEPREFIX="$tmp/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH QT_QPA_PLATFORM QT_PLUGIN_PATH
wineboot --init >/dev/null 2>&1

# play FOLDER: starts the game there, moves a tile by an arrow key, ends it
# by its exit button.
play() {
    (cd "$1" && exec wine dezudor.exe) >"$tmp/game.log" 2>&1 &
    local game=$! window= title= moved=
    for _ in $(seq 300); do
        window=$(xdotool search --name '^Dezudor játék$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        kill -0 "$game" 2>/dev/null || { cat "$tmp/game.log" >&2; fail "the game in $1 ended before its window showed"; }
        sleep 0.1
    done
    [ -n "$window" ] || fail "no main window within 30 s"
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    sleep 1
    # The arrow moves the tile on its side of the gap: some arrow moves one.
    for key in Left Up Right Down; do
        xdotool key --window 0 "$key"
        sleep 0.5
        title=$(xdotool getwindowname "$window")
        if [[ $title =~ ^\ *1\.\ lépés$ ]]; then
            moved=$key
            break
        fi
    done
    [ -n "$moved" ] || fail "no arrow key moved a tile (title: '$title')"
    # The exit button (Kilépés) covers pixels 103 to 135 across and 200 to
    # 232 down in the main window.
    local X Y WIDTH HEIGHT SCREEN WINDOW status=0
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 119)) $((Y + 216)) click 1
    for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$game" 2>/dev/null && fail "the exit button did not end the game"
    wait "$game" || status=$?
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
    echo "packages-play: the game in $1 moved a tile with $moved, counted it and ended by its exit button"
}

play "$folder"
cmp "$tmp/original" "$folder/scores.txt" || fail "scores.txt did not come back byte for byte"

wine "$setup" /S >/dev/null 2>&1 || fail "the silent install failed"
wineserver -w
program=$(winepath -u 'C:\Program Files\Dezudor' 2>/dev/null)
appdata=$(winepath -u "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')" 2>/dev/null)/dezudor
[ -f "$program/dezudor.exe" ] || fail "the installer put no dezudor.exe under Program Files"
[ -f "$program/pictures/s1.jpg" ] || fail "the installer put no pictures beside the program"
play "$program"
[ -f "$appdata/scores.txt" ] && [ -f "$appdata/16.jpg" ] || fail "the installed game kept no files in $appdata"
[ ! -e "$program/scores.txt" ] || fail "the installed game wrote beside the program"
cp "$tmp/original" "$appdata/scores.txt"
wine "$program/uninstall.exe" /S >/dev/null 2>&1 || fail "the silent uninstall failed"
wineserver -w
# The uninstaller copies itself away before it removes the folder.
for _ in $(seq 100); do [ -e "$program" ] || break; sleep 0.1; done
[ ! -e "$program" ] || fail "the uninstaller left $(find "$program" | head -n 5)"
cmp "$tmp/original" "$appdata/scores.txt" || fail "the uninstaller touched the player's records"
echo "packages-play: installed silently under Program Files, played with its files in AppData, uninstalled leaving the records"
