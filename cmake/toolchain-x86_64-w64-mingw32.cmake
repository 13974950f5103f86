# 64-bit Windows build with Debian's mingw-w64 (posix thread model, everything linked statically).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(ZARNEL_MINGW_TRIPLE x86_64-w64-mingw32)
# The Wine prefix its tests run in (scripts/wine-env.sh).
set(ZARNEL_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
