#!/bin/sh
# usage: wine-run.sh PROGRAM.exe [ARGUMENT...]
# Runs a cross-built test program under Wine. Wine keeps the host's QT_*
# variables from Windows programs, so a batch file sets them again inside.
# What the program prints goes through a file: Wine's shell does not pass
# its programs' console on.
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
    echo "@echo off"
    env | grep '^QT_' | sed 's/^/set "/; s/$/"/' || true
    printf '"%s"' "$(winepath -w "$1" 2>/dev/null)"
    shift
    for argument in "$@"; do printf ' "%s"' "$argument"; done
    printf ' >"%s" 2>&1\n' "$(winepath -w "$work/output" 2>/dev/null)"
    echo "exit /b %errorlevel%"
} | sed 's/$/\r/' >"$work/run.bat"
status=0
wine cmd /d /c "$(winepath -w "$work/run.bat" 2>/dev/null)" || status=$?
cat "$work/output" 2>/dev/null || true
exit "$status"
