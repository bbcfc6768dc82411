#!/usr/bin/env bash
# The Windows half of the platform layer, built with the mingw-w64 cross
# compiler and run under wine64 in a private prefix:
#   1. every Qt source of platform/ that a Windows build compiles is checked
#      with the cross compiler against the host's Qt headers (no Qt for
#      Windows is needed for that);
#   2. the Win32 code and its rows (tests/platform/win32) are built, warnings
#      as errors, with fixture executables (version resources, 32 and 64 bits);
#   3. the rows run under wine64 on an Xvfb display (the grab needs a screen).
# Prints "Windows rows under wine64: N passed, M failed"; fails when M > 0.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64 xvfb xauth

out=build-windows-check
rm -rf "$out"
mkdir -p "$out/fixtures"
cxx=x86_64-w64-mingw32-g++-posix
# _WIN32_WINNT: Windows 7 is the oldest system the calls are written for.
flags=(-std=c++17 -Wall -Wextra -Werror -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -D_WIN32_WINNT=0x0601
       -Iplatform -Iplatform/win32)

# 1. The Qt sources, two at a time.
# The deployment values are the build's business; any text will do here.
qt=/usr/include/x86_64-linux-gnu/qt5
deployment=()
for value in DOWNLOAD_BASE ANALYTICS_BASE SMTP_HOST SUPPORT_MAILBOX SMTP_VERIFY_PEER MASK_LOGS; do
    deployment+=("-DFEEDBACK_DEFAULT_$value=\"x\"")
done
printf '%s\n' platform/*.cpp platform/win32/*_win.cpp \
    | xargs -P 2 -I{} "$cxx" "${flags[@]}" "${deployment[@]}" -fsyntax-only -DQT_NO_FOREACH -DQT_DEPRECATED_WARNINGS \
        -isystem "$qt" -isystem "$qt/QtCore" -isystem "$qt/QtGui" -isystem "$qt/QtNetwork" {}

# 2. The rows and their fixtures.
win32_sources=(platform/win32/winhost.cpp platform/win32/windesktop.cpp platform/win32/wininstance.cpp)
"$cxx" "${flags[@]}" -O1 -municode -static -o "$out/tst_win32platform.exe" tests/platform/win32/tst_win32platform.cpp \
    "${win32_sources[@]}" -ladvapi32 -lversion -liphlpapi -luser32 -lgdi32

# A version resource: its translation table ("" for none), then the string
# blocks as <language and code page>=<file version>.
version_resource() {
    local translation=$1 block
    shift
    printf '1 VERSIONINFO\nBEGIN\n  BLOCK "StringFileInfo"\n  BEGIN\n'
    for block in "$@"; do
        printf '    BLOCK "%s"\n    BEGIN\n      VALUE "FileVersion", "%s"\n    END\n' "${block%%=*}" "${block#*=}"
    done
    printf '  END\n'
    [ -z "$translation" ] || printf '  BLOCK "VarFileInfo"\n  BEGIN\n    VALUE "Translation", %s\n  END\n' "$translation"
    printf 'END\n'
}
version_resource "0x0409, 0x04b0" "040904b0=1.2.3.4" > "$out/fixtures/version_en.rc"
version_resource "0x0007, 0x03a4" "000703a4=7.0.0.1 beta " > "$out/fixtures/version_padded.rc"
version_resource "0x0407, 0x04e4, 0x0409, 0x04b0" "040904b0=4.0.9.1200" "040704e4=4.0.7.1252" \
    > "$out/fixtures/version_two.rc"
version_resource "" "040904b0=5.0.0.0" > "$out/fixtures/version_notranslation.rc"
version_resource "0x0409, 0x04b0" "040704e4=6.0.0.0" > "$out/fixtures/version_otherblock.rc"
version_resource "0x0409, 0x04b0" "040904b0=3.2.0.0" > "$out/fixtures/version32.rc"

# Every fixture's program is "return 0"; the 32-bit one goes through a linker
# script of ours, since the cross binutils carry none for 32-bit PE.
fixtures=tests/platform/win32/fixtures
x86_64-w64-mingw32-as -o "$out/entry64.o" "$fixtures/entry.s"
x86_64-w64-mingw32-as --32 -o "$out/entry32.o" "$fixtures/entry.s"
x86_64-w64-mingw32-ld -s --entry=start -o "$out/fixtures/noversion.exe" "$out/entry64.o"
for rc in "$out"/fixtures/version_*.rc; do
    name=$(basename "$rc" .rc)
    x86_64-w64-mingw32-windres "$rc" -o "$out/$name.res.o"
    x86_64-w64-mingw32-ld -s --entry=start -o "$out/fixtures/$name.exe" "$out/entry64.o" "$out/$name.res.o"
done
x86_64-w64-mingw32-windres --target=pe-i386 "$out/fixtures/version32.rc" -o "$out/version32.res.o"
x86_64-w64-mingw32-ld -m i386pe -T "$fixtures/i386pe.x" -s --entry=start -o "$out/fixtures/version32.exe" \
    "$out/entry32.o" "$out/version32.res.o"

# 3. Under wine64, in a prefix of our own (Mono and Gecko not offered).
screen=1600x900
export WINEPREFIX="$PWD/$out/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
export FEEDBACK_TEST_SCREEN=$screen
wine=/usr/lib/wine/wine64
status=0
# A program that hangs is stopped after five minutes.
xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp" bash -c '
    timeout 300 "$1" "$2" "$3"; status=$?
    /usr/lib/wine/wineserver -k || true
    exit $status' _ "$wine" "$out/tst_win32platform.exe" "Z:$(echo "$PWD/$out/fixtures" | tr / '\\')" \
    > "$out/rows.txt" 2>"$out/wine.log" || status=$?
rm -rf "$WINEPREFIX" # some 700 MB, made afresh on every run
cat "$out/rows.txt"
passed=$(grep -c '^PASS ' "$out/rows.txt" || true)
failed=$(grep -c '^FAIL!' "$out/rows.txt" || true)
# A program that ended without its totals failed somewhere no row reports.
if [ "$status" -ne 0 ] && ! grep -q '^Totals:' "$out/rows.txt"; then
    failed=$((failed + 1))
    tail -20 "$out/wine.log" >&2
fi
echo "Windows rows under wine64: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
