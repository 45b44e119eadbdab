#!/usr/bin/env bash
# Packs the game, unpacks the tarball into a temporary folder and runs it from
# there; asked to end, it must save its records beside itself and exit cleanly.
set -euo pipefail
cpack_config=$1/CPackConfig.cmake
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cpack --config "$cpack_config" -B "$tmp/package" >/dev/null
tar -xzf "$tmp"/package/dezudor-*.tar.gz -C "$tmp"
folder=$(echo "$tmp"/dezudor-*-linux-*/)

"$folder/dezudor" &
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
echo "the unpacked game ran and ended cleanly"
