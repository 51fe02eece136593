#!/usr/bin/env bash
# Builds the x86_64 and i686 programs and prints the benchmark's figures as Markdown tables: the
# whole run against an empty program, the list-file reader against plain ReadFile calls, peak
# working sets, and the sizes of the executables and of the DLLs they import.
#   BENCH_RUNS=N (default 20) sets the number of runs of each program for the run-time medians.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${BENCH_RUNS:-20}

source scripts/wine-env.sh
build=$root/build/windows-x86_64
prefix=$build/bench-prefix
trap 'stop_wineservers "$prefix"' EXIT

for preset in windows-x86_64 windows-i686; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target DeskRotate EmptyProgram bench_driver >/dev/null
done

# A prefix of its own, so that the runs change no test's registry.
wine_prefix "$prefix" >/dev/null
windows_path() { echo "Z:${1//\//\\}"; }
# Both programs stripped, as the release archive holds DeskRotate.exe: under Wine the symbol table
# of the file as built costs some 50 page faults a run, a share the released program never pays.
stripped=$build/bench-stripped
mkdir -p "$stripped"
for program in DeskRotate EmptyProgram; do
  x86_64-w64-mingw32-strip -o "$stripped/$program.exe" "$build/$program.exe"
done
output=$build/bench-output.txt
(cd "$build" && DISPLAY= "$WINE64" bench_driver.exe "$(windows_path "$stripped/DeskRotate.exe")" \
  "$(windows_path "$stripped/EmptyProgram.exe")" "$(windows_path "$build/bench-work")" "$runs") \
  </dev/null >"$output" 2>&1 || { cat "$output"; exit 1; }

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) CPUs," \
  "Linux $(uname -r), $("$WINE64" --version 2>/dev/null </dev/null)"
echo
cat "$output"
echo

kib() { awk -v bytes="$1" 'BEGIN { printf "%.1f KiB", bytes / 1024 }'; }
echo "| File | Size | Target |"
echo "|---|---|---|"
for arch in x86_64 i686; do
  exe=$root/build/windows-$arch/DeskRotate.exe
  stripped=$(mktemp)
  "$arch-w64-mingw32-strip" -o "$stripped" "$exe"
  size=$(stat -c %s "$stripped")
  target=""
  [ "$arch" = x86_64 ] && target="<= 200 KiB: $([ "$size" -le $((200 * 1024)) ] && echo met || echo missed)"
  echo "| DeskRotate.exe, $arch, stripped | $(kib "$size") | $target |"
  echo "| DeskRotate.exe, $arch, as built (with symbols) | $(kib "$(stat -c %s "$exe")") | |"
  rm -f "$stripped"
  case $arch in
    x86_64) dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows ;;
    i686) dlls=/usr/lib/i386-linux-gnu/wine/i386-windows ;;
  esac
  for dll in $("$arch-w64-mingw32-objdump" -p "$exe" | awk '/DLL Name:/ { print tolower($3) }'); do
    echo "| $dll, $arch, imported, as Wine ships it | $(kib "$(stat -c %s "$dlls/$dll")") | |"
  done
done
