#!/usr/bin/env bash
# The release folder, from what the builds made (run scripts/build.sh first):
#   build/release/ZarnelX2Pro-MAJOR.MINOR/
#     x86/ZarnelX2Pro.ocx, x86/ZarnelX2Pro.X.manifest, x86/ZarnelX2Pro.tlb   from build/win32
#     x64/ the same                                                    from build/win64, when it has an .ocx
#     ZarnelX2ProSample.exe.manifest   a sample application manifest for registration-free use
#     USERGUIDE.md                     the guide, its reference generated from the type library under Wine
#     SHA256SUMS                       sha256sum lines for every other file
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

version=$(sed -n 's/^project(ZarnelX2Pro VERSION \([0-9]*\)\.\([0-9]*\).*/\1.\2/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release: no project version in CMakeLists.txt" >&2; exit 1; }
release="build/release/ZarnelX2Pro-$version"
tool=build/win32/resources/typelib-doc/zarnel_typelib_doc.exe

# The files of one architecture from one build folder; a missing one stops the release. The .ocx
# ships without the builds' debugging information (its strip tool named by the toolchain's triple).
copy_architecture() {
  local build=$1 folder=$2 triple=$3 file
  mkdir -p "$release/$folder"
  for file in server/ZarnelX2Pro.ocx server/ZarnelX2Pro.X.manifest resources/generated/ZarnelX2Pro.tlb; do
    [ -f "$build/$file" ] || { echo "release: $build/$file is missing; build that tree again (scripts/build.sh)" >&2; exit 1; }
    cp "$build/$file" "$release/$folder/"
  done
  "$triple-strip" --strip-debug "$release/$folder/ZarnelX2Pro.ocx"
}

[ -f "$tool" ] || { echo "release: $tool is missing; run scripts/build.sh win32 first" >&2; exit 1; }
rm -rf "$release"
copy_architecture build/win32 x86 i686-w64-mingw32
if [ -f build/win64/server/ZarnelX2Pro.ocx ]; then
  copy_architecture build/win64 x64 x86_64-w64-mingw32
else
  echo "release: no 64-bit build (build/win64/server/ZarnelX2Pro.ocx), so the release has no x64 folder"
fi
cp build/win32/server/ZarnelX2ProSample.exe.manifest "$release/"

# The guide: its introduction with the class identifier from the built manifest, then the reference.
clsid=$(sed -n 's/.*<comClass clsid="{\([0-9A-Fa-f-]*\)}".*/\1/p' "$release/x86/ZarnelX2Pro.X.manifest")
[ -n "$clsid" ] || { echo "release: no comClass in the x86 assembly manifest" >&2; exit 1; }
sed "s/@CLSID@/$clsid/" tools/typelib-doc/UserGuideIntro.md >"$release/USERGUIDE.md"
source scripts/wine-env.sh
zarnel_start_wine
status=0
wine "$tool" "$release/x86/ZarnelX2Pro.ocx" >"$release/reference.md" </dev/null || status=$?
zarnel_stop_wine
[ "$status" -eq 0 ] || { echo "release: the reference tool failed with $status" >&2; exit 1; }
# The tool's own title and the library's name are the guide's already.
sed '1,/^## /{/^## /!d}' "$release/reference.md" | sed 's/^## /### /' >>"$release/USERGUIDE.md"
rm "$release/reference.md"

(cd "$release" && find . -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)
(cd "$release" && sha256sum --quiet -c SHA256SUMS)
echo "release: $release"
(cd "$release" && find . -type f -printf '  %P\n' | LC_ALL=C sort)
