#!/bin/sh
# Plays the screen-reader test game under Orca with its speech logged, in a
# virtual display and a private session whose speech goes to ALSA's null
# device. Skips (77) when the tools are missing, unless DEZUDOR_SCREENREADER=required.
set -eu
game=$1
here=$(cd "$(dirname "$0")" && pwd)

missing=
for tool in xvfb-run dbus-run-session /usr/bin/python3 orca speech-dispatcher xdotool; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
if [ -n "$missing" ]; then
    if [ "${DEZUDOR_SCREENREADER:-}" = required ]; then
        echo "orcaspeech: missing$missing" >&2
        exit 1
    fi
    echo "orcaspeech: skipped, missing$missing"
    exit 77
fi

session=$(mktemp -d)
trap 'rm -rf "$session"' EXIT
mkdir -p "$session/home/.config/speech-dispatcher" "$session/run"
chmod 700 "$session/run"
# Without a sound card Orca would wait for ever on its first word.
cat >"$session/home/.config/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
Include "/etc/speech-dispatcher/clients/*.conf"
CONF

export HOME="$session/home" XDG_RUNTIME_DIR="$session/run" LANG=C.UTF-8 LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0
unset LSAN_OPTIONS LANGUAGE QT_LINUX_ACCESSIBILITY_ALWAYS_ON
# Not exec'd: the session folder is removed on the way out.
xvfb-run -a -s "-screen 0 640x480x24" \
    dbus-run-session -- /usr/bin/python3 "$here/orcaspeech.py" "$game" "$session/orca.log"
