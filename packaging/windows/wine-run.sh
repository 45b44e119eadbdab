#!/bin/sh
# usage: wine-run.sh TEST.exe [ARGUMENT...]
# Runs a cross-built Qt Test program under Wine. Wine keeps the host's QT_*
# and QTEST_* variables from Windows programs, so a batch file sets them
# again inside.
# The test's log goes through a file: Wine's shell passes neither its
# programs' console nor their redirected output on.
set -eu
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
    echo "@echo off"
    env | grep -E '^QT(EST)?_' | sed 's/^/set "/; s/$/"/' || true
    printf '"%s"' "$(winepath -w "$1" 2>/dev/null)"
    shift
    for argument in "$@"; do printf ' "%s"' "$argument"; done
    printf ' -o "%s,txt"\n' "$(winepath -w "$work/output" 2>/dev/null)"
    echo "exit /b %errorlevel%"
} | sed 's/$/\r/' >"$work/run.bat"
status=0
wine cmd /d /c "$(winepath -w "$work/run.bat" 2>/dev/null)" || status=$?
cat "$work/output" 2>/dev/null || true
exit "$status"
