#!/usr/bin/env bash
# The failure report as a person sees it: on a virtual display, with the list file held open for
# writing, DeskRotate.exe shows its message box. The test reads the caption and the text from the
# real dialog, takes a screenshot, dismisses the box and checks exit code 1.
# Arguments: the build folder, where the screenshot goes.
set -euo pipefail
build=$1
source "$(dirname "$0")/../../scripts/wine-env.sh"
export LANG=ja_JP.UTF-8
work=$(mktemp -d)
xvfb=
holder=
trap 'kill $xvfb $holder 2>/dev/null || true; stop_wineservers "$WINEPREFIX"; rm -rf "$work"' EXIT

display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# A prefix of its own: Wine keeps one desktop per prefix, and the other tests' runs without a
# display leave one behind that no window of this test could appear on.
wine_prefix "$build/wineprefix-display"

# Japanese text needs a font Wine can find under the names its dialogs ask for.
for face in "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic" "Tahoma"; do
  "$WINE64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "IPAGothic" /f </dev/null >/dev/null 2>&1
done

app=$("$WINE64" winepath -w "$work" </dev/null 2>/dev/null | tr -d '\r')
cp "$build/DeskRotate.exe" "$work/"
printf 'Sound folder\r\nC:\\\r\n' > "$work/DeskRotate.DAT"

"$WINE64" "$build/hold_file.exe" "$app\\DeskRotate.DAT" 60 </dev/null >"$work/holder.out" 2>&1 &
holder=$!
for _ in $(seq 100); do grep -q holding "$work/holder.out" 2>/dev/null && break; sleep 0.1; done

"$WINE64" "$work/DeskRotate.exe" </dev/null >/dev/null 2>&1 &
program=$!

caption_hex=B1CCDFD8B9B0BCAEDD20B4D7B0   # ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ
# The first dialog in a new prefix waits for Wine to scan the fonts.
"$WINE64" "$build/read_message_box.exe" "$caption_hex" 120 </dev/null >"$work/box.out" 2>/dev/null || {
  echo "no message box appeared"; exit 1; }
tr -d '\r' < "$work/box.out" > "$work/box.txt"
window=$(xdotool search --sync --name 'ｱﾌﾟﾘｹｰｼｮﾝ' | head -n 1)
echo "window name: $(xdotool getwindowname "$window")"
sleep 0.5
import -display "$display" -window root "$build/failure-report.png" 2>/dev/null || true

status=0
grep -qx "caption $caption_hex" "$work/box.txt" || { echo "caption differs"; status=1; }
text_hex=$(awk '$1 == "text" { print $2 }' "$work/box.txt" | head -n 1)
text=$(printf "$(printf '%s' "$text_hex" | sed 's/../\\x&/g')" | iconv -f CP932 -t UTF-8)
echo "text: $text"
first=${text%%$'\n'*}
second=${text#*$'\n'}
[[ "$first" =~ ^EInOutErrorがﾓｼﾞｭｰﾙ\ DeskRotate\.exe\ の\ [0-9A-F]{8}\ で発生しました。$ ]] || {
  echo "first line differs: $first"; status=1; }
[ "$second" = "I/O ｴﾗｰ (32)." ] || { echo "second line differs: $second"; status=1; }

"$WINE64" "$build/read_message_box.exe" "$caption_hex" 5 dismiss </dev/null >/dev/null 2>&1
code=0
wait "$program" || code=$?
[ "$code" -eq 1 ] || { echo "exit code $code, not 1"; status=1; }
exit "$status"
