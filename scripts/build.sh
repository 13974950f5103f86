#!/usr/bin/env bash
# Builds what is stale: `build.sh win32` (the Windows binaries), `build.sh native` (the
# platform-independent code for Linux under ASan/UBSan, with the fuzzers), or both by default.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(native win32)
for target in "${targets[@]}"; do
  case "$target" in
    win32)
      jpeg="$root/build/libjpeg-win32"
      bash scripts/build-libjpeg.sh "$jpeg" "$root/cmake/toolchain-i686-w64-mingw32.cmake"
      [ -f build/win32/build.ninja ] || cmake -S . -B build/win32 -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARNEL_JPEG_PREFIX="$jpeg" >/dev/null
      cmake --build build/win32
      ;;
    native)
      [ -f build/native/build.ninja ] || cmake -S . -B build/native -G Ninja -Wno-dev \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DZARNEL_SANITIZE=ON -DZARNEL_FUZZ=ON >/dev/null
      cmake --build build/native
      ;;
    *) echo "unknown build target: $target" >&2; exit 2 ;;
  esac
done
