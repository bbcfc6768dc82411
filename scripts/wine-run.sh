#!/usr/bin/env bash
# Runs a Windows program under wine64:
#   scripts/wine-run.sh [--own-output] [--dlls <folder>]... [--plugins <folder>] <program.exe> [arguments...]
#   scripts/wine-run.sh --warm    set the prefix up and keep one Wine server
#                                 running until 30 s after the last program
# --own-output: the program's output goes through a file of its own, printed
# when it ends. Wine's helpers started on the way (the desktop window) inherit
# the program's output and keep it open while they live, so a test runner
# reading it would wait for them.
# --dlls folders join the DLL search path (the Qt and OpenSSL of the cache for
# programs that are not beside their DLLs), --plugins is Qt's plugin folder.
# The Wine prefix is $WINEPREFIX, by default one kept in the Windows build cache
# and made on first use. Windows programs need an X display under Wine.
set -euo pipefail
winpath() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }
search=()
own_output=0
while [ $# -gt 0 ]; do
    case $1 in
        --own-output) own_output=1; shift ;;
        --dlls) search+=("$(winpath "$2")"); shift 2 ;;
        --plugins) export QT_PLUGIN_PATH; QT_PLUGIN_PATH=$(winpath "$2"); shift 2 ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--own-output] [--dlls <folder>]... [--plugins <folder>] <program.exe> [arguments...]" >&2; exit 2; }
export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/feedback-windows/wine}
export WINEDEBUG=${WINEDEBUG:--all}
# Keeps Wine from offering to install Mono and Gecko.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ${#search[@]} -gt 0 ]; then
    export WINEPATH; WINEPATH=$(IFS=';'; echo "${search[*]}")
fi
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # One process sets a new prefix up; others wait for it.
    (flock 9; [ -f "$WINEPREFIX/system.reg" ] || "$WINE" wineboot -i >/dev/null 2>&1) 9>"$WINEPREFIX.lock"
fi
if [ "$1" = --warm ]; then
    WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
    # A server already running (an earlier run's, lingering) serves as well.
    "$WINESERVER" -p30 2>/dev/null || true
    # The first program of a server starts Wine's services, which inherit its
    # output and keep it open as long as they run (a test runner would wait
    # for them): start them here, without any.
    "$WINE" wineboot </dev/null >/dev/null 2>&1
    exit 0
fi
if [ $own_output -eq 1 ]; then
    output=$(mktemp)
    rc=0
    "$WINE" "$@" </dev/null >"$output" 2>&1 || rc=$?
    cat "$output"
    rm -f "$output"
    exit $rc
fi
exec "$WINE" "$@"
