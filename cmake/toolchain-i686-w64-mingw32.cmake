# 32-bit Windows build with Debian's mingw-w64 (posix thread model, everything linked statically).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(ZARNEL_MINGW_TRIPLE i686-w64-mingw32)
# The Wine prefix its tests run in (scripts/wine-env.sh).
set(ZARNEL_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
