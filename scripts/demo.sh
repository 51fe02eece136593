#!/usr/bin/env bash
# Shows DeskRotate at work: installs what is missing, builds, makes a demo Wine prefix with sample
# sounds, screen savers and wallpapers and a list file naming them, then runs the program three
# times and prints the four settings before and after each run.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh
source scripts/wine-env.sh

if [ ! -x build/windows-x86_64/DeskRotate.exe ] || [ -n "$(find src CMakeLists.txt -newer build/windows-x86_64/DeskRotate.exe | head -n 1)" ]; then
  echo "building DeskRotate.exe"
  cmake --preset windows-x86_64 >/dev/null
  cmake --build --preset windows-x86_64 --target DeskRotate >/dev/null
fi

demo=$root/build/demo
wine_prefix "$demo/wineprefix"
trap 'stop_wineservers "$demo/wineprefix"' EXIT
drive_c=$WINEPREFIX/drive_c

wine_quiet() { "$WINE64" "$@" </dev/null >/dev/null 2>&1; }

# Sample files: sounds in a folder of their own, screen savers in the system directory and
# wallpapers in the Windows directory, where the list file's entries are looked for.
mkdir -p "$drive_c/DeskRotateDemo/Sounds"
for name in fanfare bells birdsong goodbye; do
  printf 'RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x40\x1f\x00\x00\x40\x1f\x00\x00\x01\x00\x08\x00data\x00\x00\x00\x00' \
    > "$drive_c/DeskRotateDemo/Sounds/$name.wav"
done
# An MZ header whose offset at 0x3C points to a PE signature, as a real screen saver has.
for name in aurora orbits; do
  { printf 'MZ'; head -c 58 /dev/zero; printf '\x40\x00\x00\x00PE\x00\x00'; } > "$drive_c/windows/system32/demo-$name.scr"
done
for name in harbor meadow summit; do
  printf 'BM\x3a\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x18\x00\x00\x00\x00\x00\x04\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x80\x00\x00' \
    > "$drive_c/windows/demo-$name.bmp"
done

app=$drive_c/DeskRotateDemo/App
mkdir -p "$app"
cp build/windows-x86_64/DeskRotate.exe "$app/"
heading=$(printf '\x81y \x95\xc7\x8e\x86\x82\xf0\x8ew\x92\xe8(Max:5) \x81z')
{
  printf '%s\r\n' "Sound folder" 'C:\DeskRotateDemo\Sounds' "Start-up sounds" \
    fanfare.wav bells.wav birdsong.wav "Not use" "Not use" \
    "Exit sounds" goodbye.wav bells.wav "Not use" "Not use" "Not use" \
    "Screen savers" demo-aurora.scr demo-orbits.scr "Not use" "Not use" "Not use"
  printf '%s\r\n' "$heading" demo-harbor.bmp demo-meadow.bmp demo-summit.bmp "Not use" "Not use"
} > "$app/DeskRotate.DAT"

# A fresh prefix has no event-sound keys, and DeskRotate never creates a key.
for event in SystemStart SystemExit; do
  wine_quiet reg add "HKCU\\AppEvents\\Schemes\\Apps\\.Default\\$event\\.Current" /ve /d "" /f
done
wine_quiet reg add "HKCU\\Control Panel\\Desktop" /v SCRNSAVE.EXE /d "" /f

value_of() {  # key, value name (empty for the default value)
  local out
  if [ -z "$2" ]; then
    out=$("$WINE64" reg query "$1" /ve </dev/null 2>/dev/null | tr -d '\r')
  else
    out=$("$WINE64" reg query "$1" /v "$2" </dev/null 2>/dev/null | tr -d '\r')
  fi
  printf '%s\n' "$out" | awk '/REG_/ { sub(/^.*REG_[A-Z_]+ */, ""); print; exit }' | sed 's/.*\\//'
}

row() {  # label
  printf '%-14s %-14s %-14s %-18s %-18s\n' "$1" \
    "$(value_of 'HKCU\AppEvents\Schemes\Apps\.Default\SystemStart\.Current' '')" \
    "$(value_of 'HKCU\AppEvents\Schemes\Apps\.Default\SystemExit\.Current' '')" \
    "$(value_of 'HKCU\Control Panel\Desktop' SCRNSAVE.EXE)" \
    "$(value_of 'HKCU\Control Panel\Desktop' Wallpaper)"
}

echo
echo "List file: C:\\DeskRotateDemo\\App\\DeskRotate.DAT (3 start-up sounds, 2 exit sounds, 2 screen savers, 3 wallpapers)"
echo "Each value is shown by its file name; the folders are the list file's."
echo
printf '%-14s %-14s %-14s %-18s %-18s\n' "" "start-up sound" "exit sound" "screen saver" "wallpaper"
row "before"
for run in 1 2 3; do
  code=0
  "$WINE64" 'C:\DeskRotateDemo\App\DeskRotate.exe' </dev/null >/dev/null 2>&1 || code=$?
  row "after run $run"
  [ "$code" -eq 0 ] || echo "  (run $run ended with exit code $code)"
done
