# Sourced by the scripts: the Wine settings shared by the tests, the demo and the benchmark.
# wine_prefix FOLDER makes a throwaway prefix there once and starts a persistent wineserver for it.

export WINEDEBUG=-all
# No Mono or Gecko installer prompts when a prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Debian's wine script prefers the 32-bit loader whenever it is installed, even on kernels that
# cannot run 32-bit programs, so 64-bit programs go straight to the 64-bit loader.
WINE64=/usr/lib/wine/wine64
[ -x "$WINE64" ] || WINE64=$(command -v wine64 || command -v wine)
WINE32=/usr/lib/wine/wine
[ -x "$WINE32" ] || WINE32=$(command -v wine)

# Whether this kernel runs 32-bit x86 programs at all (some virtual machines have it switched off).
can_run_32bit() {
  "$WINE32" --version >/dev/null 2>&1
}

wine_prefix() {
  export WINEPREFIX="$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot -i >/dev/null 2>&1 </dev/null || true
    wineserver -w
  fi
  # Wine's services outlive the program that starts them and keep its output open, which would
  # hold a test runner's pipe until they end: start them here, writing nowhere.
  # A server already running for the prefix refuses to start a second one; it is used as it is.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  "$WINE64" wineboot >/dev/null 2>&1 </dev/null || true
}

stop_wineservers() {
  for prefix in "$@"; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 </dev/null || true
  done
}
