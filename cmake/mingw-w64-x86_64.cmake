# Cross-build for 64-bit Windows with Debian's mingw-w64 (posix thread model)
# against a Qt 5.15 and an OpenSSL built for mingw (scripts/windows-build.sh
# makes both). Pass their prefixes:
#   -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#   -DFEEDBACK_WINDOWS_QT=<qt prefix> -DFEEDBACK_WINDOWS_OPENSSL=<openssl prefix>
# Test programs run under wine64 through scripts/wine-run.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

# Try-compiles get the prefixes too.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES FEEDBACK_WINDOWS_QT FEEDBACK_WINDOWS_OPENSSL)
if(NOT FEEDBACK_WINDOWS_QT)
    message(FATAL_ERROR "Set FEEDBACK_WINDOWS_QT to the prefix of Qt built for mingw (scripts/windows-build.sh)")
endif()

# Headers, libraries and CMake packages come from the mingw sysroot and the
# two prefixes only, never from the host; programs (moc, rcc) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} ${FEEDBACK_WINDOWS_QT} ${FEEDBACK_WINDOWS_OPENSSL})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(Qt5_DIR ${FEEDBACK_WINDOWS_QT}/lib/cmake/Qt5 CACHE PATH "Qt for mingw")
# The host's pkg-config files describe Linux libraries.
set(ENV{PKG_CONFIG_LIBDIR} /usr/${triplet}/lib/pkgconfig)

# Test programs find the DLLs of Qt, OpenSSL and the mingw runtime through
# Wine's search path instead of copies beside each of them.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(FEEDBACK_MINGW_RUNTIME "${libgcc}" DIRECTORY)
set(FEEDBACK_WINDOWS_DLL_DIRS ${FEEDBACK_WINDOWS_QT}/bin ${FEEDBACK_WINDOWS_OPENSSL}/bin
    ${FEEDBACK_MINGW_RUNTIME} /usr/${triplet}/lib)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh --own-output)
foreach(dir IN LISTS FEEDBACK_WINDOWS_DLL_DIRS)
    list(APPEND CMAKE_CROSSCOMPILING_EMULATOR --dlls ${dir})
endforeach()
list(APPEND CMAKE_CROSSCOMPILING_EMULATOR --plugins ${FEEDBACK_WINDOWS_QT}/plugins)
