#!/usr/bin/env bash
# Builds the 64- and 32-bit programs (Release) and makes the release archives with CPack in
# build/package: DeskRotate-<version>-win64.zip and -win32.zip, each holding the stripped
# DeskRotate.exe and DeskRotateCheck.exe, the example list file and a read-me. Then checks that
# each executable in each archive carries its version resource, and fails if one does not.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh
version=$(sed -n 's/^project(DeskRotate VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "no project version in CMakeLists.txt" >&2; exit 1; }
packages=$root/build/package
mkdir -p "$packages"
checks=$(mktemp -d)
trap 'rm -rf "$checks"' EXIT

# The version resource as the MinGW resource tools read it back from the executable.
check_version_resource() {
  local arch=$1 exe=$2 resource
  resource=$("$arch-w64-mingw32-windres" -i "$exe" -O rc 2>&1) || {
    echo "$exe: no resources: $resource" >&2; return 1; }
  for value in "\"ProductName\", \"DeskRotate\"" "\"FileVersion\", \"$version\"" \
               "\"ProductVersion\", \"$version\"" "\"FileDescription\", \""; do
    if ! grep -qF "VALUE $value" <<<"$resource"; then
      echo "$exe: the version resource lacks VALUE $value" >&2
      return 1
    fi
  done
  grep -E 'FILEVERSION|VALUE "(ProductName|FileVersion)"' <<<"$resource" | sed 's/^ */  /'
}

for build in "windows-x86_64 x86_64 win64" "windows-i686 i686 win32"; do
  read -r preset arch system <<<"$build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j2 --target DeskRotate DeskRotateCheck >/dev/null
  archive=$packages/DeskRotate-$version-$system.zip
  rm -f "$archive"
  cpack --config "$root/build/$preset/CPackConfig.cmake" -B "$packages" >/dev/null
  rm -rf "$packages/_CPack_Packages"
  [ -f "$archive" ] || { echo "CPack made no $archive" >&2; exit 1; }

  echo "$archive"
  unzip -l "$archive" | sed 's/^/  /'
  unzip -q "$archive" -d "$checks/$system"
  for program in DeskRotate.exe DeskRotateCheck.exe; do
    [ -n "$(find "$checks/$system" -name "$program")" ] || { echo "$archive holds no $program" >&2; exit 1; }
  done
  for program in DeskRotate.exe DeskRotateCheck.exe; do
    exe=$(find "$checks/$system" -name "$program")
    echo "  version resource of $program ($("$arch-w64-mingw32-objdump" -f "$exe" | awk '/file format/ { print $NF }')):"
    check_version_resource "$arch" "$exe"
  done
  echo
done
