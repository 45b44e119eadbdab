#!/usr/bin/env bash
# Installs the built game into a temporary root as a distribution would,
# checks the installed desktop entry and AppStream data with their
# validators, and starts the installed game from its read-only place as an
# ordinary player: it must fill the player's folder, save there and end
# cleanly.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
root="$tmp/root"

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
id=$(sed -n 's/^DEZUDOR_APP_ID:STRING=//p' "$build/CMakeCache.txt")
usr="$root/usr"

fail() { echo "$*" >&2; exit 1; }
[ -x "$usr/games/dezudor" ] || fail "no executable in usr/games"
[ -f "$usr/share/games/dezudor/16.jpg" ] || fail "no pictures in usr/share/games/dezudor"
for size in 16 24 32 48 64 128 256; do
    [ -f "$usr/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size} px icon"
done
desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$id.metainfo.xml"
# A component with errors is left out of the composed catalogue.
appstreamcli compose --no-net --print-report=full --prefix=/usr --result-root="$tmp/compose" \
    --origin=dezudor "$root" >"$tmp/compose.log" 2>&1 || { cat "$tmp/compose.log" >&2; fail "appstreamcli compose failed"; }
zgrep -q "<id>$id</id>" "$tmp/compose/usr/share/swcatalog/xml/dezudor.xml.gz" \
    || { cat "$tmp/compose.log" >&2; fail "appstreamcli compose left the component out"; }

# The player owns only the data folder; as root, play as nobody.
chmod -R a-w "$root"
data="$tmp/home/.local/share"
mkdir -p "$data"
run=()
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$tmp/home"
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
HOME="$tmp/home" XDG_DATA_HOME="$data" QT_QPA_PLATFORM=offscreen "${run[@]}" "$usr/games/dezudor" &
pid=$!
# The pictures are copied before the window opens; the signal waits for the
# window either way.
for _ in $(seq 300); do
    [ "$(find "$data/dezudor" -name '*.jpg' 2>/dev/null | wc -l)" -eq "$(find "$usr/share/games/dezudor" -name '*.jpg' | wc -l)" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the installed game ended at start"
    sleep 0.1
done
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the installed game ended with status $status"
[ -f "$data/dezudor/scores.txt" ] || fail "no scores.txt in the player's folder"
cmp -s "$data/dezudor/1.jpg" "$usr/share/games/dezudor/1.jpg" || fail "the player's 1.jpg is not the installed one"
echo "the installed game is valid, ran from its read-only place and saved in the player's folder"
