#!/bin/sh
# Plays the screen-reader test game under a virtual display, with a private
# session bus and the accessibility bus that it starts on demand.
# Skips (77) when the tools are missing, unless DEZUDOR_SCREENREADER=required.
set -eu
game=$1
here=$(cd "$(dirname "$0")" && pwd)

missing=
for tool in xvfb-run dbus-run-session /usr/bin/python3; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing="$missing python3-pyatspi"
if [ -n "$missing" ]; then
    if [ "${DEZUDOR_SCREENREADER:-}" = required ]; then
        echo "screenreader: missing$missing" >&2
        exit 1
    fi
    echo "screenreader: skipped, missing$missing"
    exit 77
fi

export QT_QPA_PLATFORM=xcb
export ASAN_OPTIONS=detect_leaks=0
unset LSAN_OPTIONS QT_LINUX_ACCESSIBILITY_ALWAYS_ON
exec xvfb-run -a -s "-screen 0 640x480x24" \
    dbus-run-session -- /usr/bin/python3 "$here/screenreader.py" "$game"
