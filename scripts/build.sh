#!/usr/bin/env bash
# Builds what is stale: `build.sh win32` and `build.sh win64` (the Windows binaries for 32-bit and
# 64-bit Windows, from the same sources), `build.sh native` (the platform-independent code for Linux
# under ASan/UBSan, with the fuzzers), or all three by default.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh

# Configures (once) and builds the Windows tree build/$1 with the mingw-w64 toolchain for triple $2,
# against a static libjpeg-turbo built for that target. Extra arguments go to the first configure.
build_windows() {
  local tree=$1 triple=$2
  shift 2
  local jpeg="$root/build/libjpeg-$tree" toolchain="$root/cmake/toolchain-$triple.cmake"
  bash scripts/build-libjpeg.sh "$jpeg" "$toolchain"
  [ -f "build/$tree/build.ninja" ] || cmake -S . -B "build/$tree" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARNEL_JPEG_PREFIX="$jpeg" "$@" >/dev/null
  cmake --build "build/$tree"
}

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(native win32 win64)
for target in "${targets[@]}"; do
  case "$target" in
    win32) build_windows win32 i686-w64-mingw32 ;;
    # The 32-bit tree next to it serves the cross-architecture persistence test.
    win64) build_windows win64 x86_64-w64-mingw32 -DZARNEL_WIN32_BUILD="$root/build/win32" ;;
    native)
      [ -f build/native/build.ninja ] || cmake -S . -B build/native -G Ninja -Wno-dev \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DZARNEL_SANITIZE=ON -DZARNEL_FUZZ=ON >/dev/null
      cmake --build build/native
      ;;
    *) echo "unknown build target: $target" >&2; exit 2 ;;
  esac
done
