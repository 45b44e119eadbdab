#!/usr/bin/env bash
# Packs the game under the most open umask that builders use (its files must
# still belong to root, with the usual modes), unpacks the tarball into a
# folder whose name has spaces, adds it to the menu with the line its README
# gives, and starts it as the desktop would; asked to end, it must save its
# records beside itself and exit cleanly.
set -euo pipefail
cpack_config=$1/CPackConfig.cmake
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

(umask 0002 && cpack --config "$cpack_config" -G TGZ -B "$tmp/package" >/dev/null)
if tar -tvzf "$tmp"/package/dezudor-*.tar.gz --numeric-owner | grep -Ev '^(-rw-r--r--|-rwxr-xr-x|drwxr-xr-x) 0/0 '; then
    echo "the tarball holds the entries above with another owner or mode than root's 644 and 755" >&2
    exit 1
fi
mkdir "$tmp/Saját játékok"
tar -xzf "$tmp"/package/dezudor-*.tar.gz -C "$tmp/Saját játékok"
folder=$(echo "$tmp/Saját játékok"/dezudor-*-linux-*)

entry="$tmp/dezudor.desktop"
(cd "$folder" && eval "$(sed -n 's|^  \(sed .*\) > ~/.local/share/applications/dezudor.desktop$|\1|p' README.txt)") >"$entry"
desktop-file-validate "$entry"
# The desktop's quoting of Exec is the shell's for such a path.
eval "set -- $(sed -n 's/^Exec=//p' "$entry")"
(cd / && exec "$@") &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
    echo "the unpacked game did not keep running" >&2
    exit 1
fi
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
    echo "the unpacked game ended with status $status" >&2
    exit 1
fi
[ -f "$folder/scores.txt" ] || { echo "no scores.txt beside the unpacked game" >&2; exit 1; }
echo "the unpacked game ran from a path with spaces and ended cleanly"
