#!/usr/bin/env bash
# The Windows build: cross-builds the program, its tests and the mail
# benchmark for 64-bit Windows into build-windows/, runs the tests under
# wine64 on Xvfb, and packs build-windows/feedback-windows-x64.zip.
#   scripts/windows-build.sh               all of it
#   scripts/windows-build.sh --no-tests    build and pack only
# Qt 5.15 (qtbase) and OpenSSL are built from Debian's source packages once,
# into ${XDG_CACHE_HOME:-~/.cache}/feedback-windows/, and reused while their
# versions and configure flags stay the same (a stamp file records them).
set -euo pipefail
cd "$(dirname "$0")/.."
SRC=$PWD
RUN_TESTS=1
[ "${1:-}" = "--no-tests" ] && RUN_TESTS=0

CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/feedback-windows
QT=$CACHE/qt
OPENSSL=$CACHE/openssl
BUILD=$SRC/build-windows
TRIPLET=x86_64-w64-mingw32
QT_SOURCE_VERSION=5.15.8+dfsg-11+deb12u3
OPENSSL_SOURCE_VERSION=3.0.20-1~deb12u2
OPENSSL_CONFIGURE=(mingw64 --cross-compile-prefix=$TRIPLET- shared no-tests --prefix="$OPENSSL" --libdir=lib)
# Qt's OpenSSL back end linked in; the static OpenSSL libraries need these Win32 ones.
QT_OPENSSL_LIBS="-lssl -lcrypto -lws2_32 -lgdi32 -lcrypt32"
QT_CONFIGURE=(-prefix "$QT" -opensource -confirm-license
    -xplatform win32-g++ -device-option CROSS_COMPILE=$TRIPLET- -release -shared
    -nomake examples -nomake tests -no-opengl -no-dbus -no-icu -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg
    -qt-freetype -qt-harfbuzz -no-feature-sql -no-feature-tabletevent
    -openssl-linked -I "$OPENSSL/include" -L "$OPENSSL/lib")
# -no-feature-tabletevent: Debian's repack drops wintab.h, which the platform plugin includes.

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
START=$(date +%s)
step() { echo "== $* ($(( $(date +%s) - START )) s)"; }

# --- Packages ------------------------------------------------------------
scripts/install-deps.sh
scripts/install-deps.sh g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev \
    wine64 xvfb xauth dpkg-dev perl make zip unzip
# Qt's configure calls the compilers by their plain names: the posix thread
# model gives std::thread and std::mutex.
for tool in gcc g++; do
    if [ "$(readlink -f /usr/bin/$TRIPLET-$tool)" != "$(readlink -f /usr/bin/$TRIPLET-$tool-posix)" ]; then
        $SUDO update-alternatives --set $TRIPLET-$tool /usr/bin/$TRIPLET-$tool-posix
    fi
done

# --- Debian source packages ---------------------------------------------
# source_dir <package> <version>: unpacks the source package (with Debian's
# patches applied) into $CACHE/src once and prints the folder.
source_dir() {
    local package=$1 version=$2 upstream
    upstream=${version#*:}
    upstream=${upstream%-*}
    local dir=$CACHE/src/$package-$upstream
    if [ ! -d "$dir" ] || [ ! -f "$CACHE/src/${package}_$version.dsc" ]; then
        # grep reads all of the listing: with -q it would stop early, and
        # under pipefail apt-cache's broken pipe would read as "not there".
        if ! apt-cache showsrc "$package" 2>/dev/null | grep -x "Version: $version" >/dev/null; then
            # A second entry for the same archive makes apt refuse every list.
            if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
                . /etc/os-release
                echo "adding Debian's source archive to apt" >&2
                printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\n\nTypes: deb-src\nURIs: http://deb.debian.org/debian-security\nSuites: %s-security\nComponents: main\n' \
                    "$VERSION_CODENAME" "$VERSION_CODENAME" "$VERSION_CODENAME" |
                    $SUDO tee /etc/apt/sources.list.d/feedback-debian-src.sources >/dev/null
            fi
            $SUDO apt-get update -qq
        fi
        mkdir -p "$CACHE/src"
        rm -rf "$dir"
        (cd "$CACHE/src" && apt-get source -qq --only-source "$package=$version") >&2
    fi
    echo "$dir"
}

# --- OpenSSL for mingw ----------------------------------------------------
# One run at a time builds in the cache; another waits for it.
mkdir -p "$CACHE"
exec 8>"$CACHE/build.lock"
flock 8
openssl_stamp=$(printf 'openssl %s\n' "$OPENSSL_SOURCE_VERSION"; printf '%s\n' "${OPENSSL_CONFIGURE[@]}")
if [ "$(cat "$OPENSSL/.feedback-stamp" 2>/dev/null)" != "$openssl_stamp" ]; then
    dir=$(source_dir openssl "$OPENSSL_SOURCE_VERSION")
    # A finished build without a stamp counts when it was configured the same way.
    configured=$(cd "$dir" && perl -e 'require "./configdata.pm"; print join("\n", @{$configdata::config{perlargv}})' 2>/dev/null || true)
    if [ -f "$OPENSSL/lib/libssl.dll.a" ] && [ "$(printf 'openssl %s\n%s' "$OPENSSL_SOURCE_VERSION" "$configured")" = "$openssl_stamp" ]; then
        step "OpenSSL: using the finished build in $OPENSSL"
    else
        step "OpenSSL $OPENSSL_SOURCE_VERSION: building for mingw"
        rm -rf "$OPENSSL" "$QT"
        (cd "$dir" && { make clean >/dev/null 2>&1 || true; } &&
         ./Configure "${OPENSSL_CONFIGURE[@]}" > "$CACHE/openssl-configure.log" 2>&1 &&
         nice make -j2 build_libs > "$CACHE/openssl-build.log" 2>&1 &&
         make install_dev install_runtime_libs >> "$CACHE/openssl-build.log" 2>&1) ||
            { echo "OpenSSL build failed: see $CACHE/openssl-*.log" >&2; exit 1; }
    fi
    echo "$openssl_stamp" > "$OPENSSL/.feedback-stamp"
fi

# --- Qt 5.15 for mingw ----------------------------------------------------
qt_stamp=$(printf 'qtbase %s\nOPENSSL_LIBS=%s\n%s\n' "$QT_SOURCE_VERSION" "$QT_OPENSSL_LIBS" "$openssl_stamp"
           printf '%s\n' "${QT_CONFIGURE[@]}")
if [ "$(cat "$QT/.feedback-stamp" 2>/dev/null)" != "$qt_stamp" ]; then
    dir=$(source_dir qtbase-opensource-src "$QT_SOURCE_VERSION")
    # configure records its arguments in config.opt, one a line.
    same_flags() { [ -f "$CACHE/qt-build/config.opt" ] && [ "$(cat "$CACHE/qt-build/config.opt")" = "$(printf '%s\n' "${QT_CONFIGURE[@]}")" ]; }
    if [ -f "$QT/lib/cmake/Qt5/Qt5Config.cmake" ] && [ -f "$QT/plugins/platforms/qwindows.dll" ] && same_flags &&
       grep -q -- "$QT_OPENSSL_LIBS" "$QT/mkspecs/modules/qt_lib_network_private.pri" 2>/dev/null; then
        step "Qt: using the finished build in $QT"
    else
        step "Qt $QT_SOURCE_VERSION: building qtbase for mingw (about 20 minutes on 2 cores)"
        rm -rf "$QT"
        same_flags || rm -rf "$CACHE/qt-build"
        mkdir -p "$CACHE/qt-build"
        (cd "$CACHE/qt-build" &&
         { [ -f Makefile ] || OPENSSL_LIBS=$QT_OPENSSL_LIBS "$dir/configure" "${QT_CONFIGURE[@]}" > "$CACHE/qt-configure.log" 2>&1; } &&
         nice make -j2 > "$CACHE/qt-build.log" 2>&1 &&
         make install > "$CACHE/qt-install.log" 2>&1) ||
            { echo "Qt build failed: see $CACHE/qt-*.log" >&2; exit 1; }
    fi
    echo "$qt_stamp" > "$QT/.feedback-stamp"
fi
flock -u 8

# --- The program, its tests and the mail benchmark ------------------------
step "cross-building into build-windows/"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$SRC/cmake/mingw-w64-x86_64.cmake" \
    -DFEEDBACK_WINDOWS_QT="$QT" -DFEEDBACK_WINDOWS_OPENSSL="$OPENSSL" \
    -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build "$BUILD" -j2

# --- The package ----------------------------------------------------------
# The program's folder as a maker ships it: feedback.exe, FeedbackRes/, the
# DLLs it loads (found through the import tables), and Qt's plugins.
step "packing build-windows/feedback-windows-x64.zip"
PKG=$BUILD/feedback-windows-x64
rm -rf "$PKG" "$PKG.zip"
mkdir -p "$PKG/platforms" "$PKG/styles" "$PKG/imageformats"
$TRIPLET-strip -o "$PKG/feedback.exe" "$BUILD/feedback.exe"
cp -r FeedbackRes "$PKG/"
cp "$QT/plugins/platforms/qwindows.dll" "$PKG/platforms/"
cp "$QT/plugins/styles/qwindowsvistastyle.dll" "$PKG/styles/"
cp "$QT"/plugins/imageformats/{qgif,qico,qjpeg}.dll "$PKG/imageformats/"
runtime=$(dirname "$($TRIPLET-g++-posix -print-libgcc-file-name)")
dll_dirs=("$QT/bin" "$OPENSSL/bin" "$runtime" "/usr/$TRIPLET/lib")
while true; do
    added=0
    for dll in $(find "$PKG" -name '*.exe' -o -name '*.dll' | xargs $TRIPLET-objdump -p |
                 awk '/DLL Name:/ {print $3}' | sort -u); do
        [ -f "$PKG/$dll" ] && continue
        for dir in "${dll_dirs[@]}"; do
            if [ -f "$dir/$dll" ]; then cp "$dir/$dll" "$PKG/"; added=1; break; fi
        done
    done
    [ $added -eq 1 ] || break
done
(cd "$BUILD" && zip -qr9 feedback-windows-x64.zip feedback-windows-x64)
# Starts the packed program under Wine with the six arguments (or --send-pending).
cat > "$BUILD/feedback.sh" <<EOF
#!/usr/bin/env bash
exec "$SRC/scripts/wine-run.sh" "$PKG/feedback.exe" "\$@"
EOF
chmod +x "$BUILD/feedback.sh"
echo "package: $BUILD/feedback-windows-x64.zip ($(stat -c %s "$PKG.zip") bytes," \
     "$(du -sb "$PKG" | cut -f1) bytes unpacked, $(find "$PKG" -type f | wc -l) files)"

# --- The tests under Wine -------------------------------------------------
if [ $RUN_TESTS -eq 1 ]; then
    step "running the tests under wine64 on Xvfb"
    rc=0
    scripts/wine-test.sh "$BUILD" || rc=$?
    # The package itself: the demo sends a report through it over implicit TLS.
    step "the packed program under Wine: scripts/run.sh --windows --auto"
    scripts/run.sh --windows --auto || rc=$?
    [ $rc -eq 0 ] || { step "failed"; exit $rc; }
fi
step "done"
