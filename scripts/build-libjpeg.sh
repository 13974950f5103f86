#!/usr/bin/env bash
# Builds a static libjpeg-turbo for a cross target from Debian's own source package, so the
# Windows binaries decode JPEG with the same library version as the native build.
# Usage: build-libjpeg.sh <prefix-dir> <toolchain-file>
# Does nothing when <prefix-dir>/lib/libjpeg.a already exists. The source and the build tree
# go to <prefix-dir>.src, next to the prefix.
# The install directories are given as absolute paths: libjpeg-turbo's own GNUInstallDirs
# resolves relative ones against the current directory, not against the prefix.
set -euo pipefail

if [ "$#" -ne 2 ]; then
  echo "usage: $0 <prefix-dir> <toolchain-file>" >&2
  exit 2
fi

prefix=$(realpath -m "$1")
toolchain=$(realpath "$2")
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

work="$prefix.src"
log="$work/build.log"
rm -rf "$work"
mkdir -p "$work"

# Keeps the console quiet but shows the whole log of a failing step.
run_logged() {
  if ! "$@" >>"$log" 2>&1; then
    echo "build-libjpeg: failed: $*" >&2
    cat "$log" >&2
    exit 1
  fi
}

if ! (cd "$work" && apt-get source -qq libjpeg-turbo >>"$log" 2>&1); then
  cat "$log" >&2
  echo "build-libjpeg: 'apt-get source libjpeg-turbo' failed; run scripts/setup.sh first" \
       "(it adds the deb-src entries and dpkg-dev)" >&2
  exit 1
fi
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
if [ -z "$source_dir" ]; then
  echo "build-libjpeg: no unpacked libjpeg-turbo source in $work" >&2
  exit 1
fi

# No SIMD: it would need NASM, and the pictures this library decodes are small.
run_logged cmake -S "$source_dir" -B "$work/build" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_INSTALL_LIBDIR="$prefix/lib" \
  -DCMAKE_INSTALL_INCLUDEDIR="$prefix/include" \
  -DENABLE_SHARED=OFF \
  -DWITH_TURBOJPEG=OFF \
  -DWITH_SIMD=OFF
run_logged cmake --build "$work/build" --parallel
run_logged cmake --install "$work/build"

if [ ! -f "$prefix/lib/libjpeg.a" ]; then
  echo "build-libjpeg: install did not produce $prefix/lib/libjpeg.a" >&2
  exit 1
fi
