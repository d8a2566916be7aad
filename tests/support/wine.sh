# The common set-up of the tests of the Windows release under Wine, sourced
# by each tests/wine_*.sh script with the script's own arguments:
#
#   source "$(dirname "${BASH_SOURCE[0]}")/support/wine.sh" "$@"
#
# $1 the Windows release folder (quib.exe, quib-replay.exe, quib-lab.exe,
# the campaigns; made by scripts/windows.sh), $2 the Linux quib, $3 the
# Linux quib-replay, $4 the campaigns folder of the source tree, $5 the
# installer. The script gets WIN, LINUX_QUIB, LINUX_REPLAY, CAMPAIGNS,
# SETUP, WORK (a scratch folder removed at exit) and WINEPREFIX (a fresh
# Wine prefix in WORK, made by new_prefix), and the helpers below.
set -u
WIN="$(realpath "$1")"
LINUX_QUIB="$(realpath "$2")"
LINUX_REPLAY="$(realpath "$3")"
CAMPAIGNS="$(realpath "$4")"
SETUP="$(realpath "$5")"
WORK="$(mktemp -d)"
export WINEPREFIX="$WORK/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko prompts in a fresh prefix: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
XVFB=""

fail() { echo "FAIL: $*"; exit 1; }

cleanup() {
  [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null
  [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null
  # QUIB_KEEP=DIR keeps the scratch folder (pictures, outputs) for a look.
  [ -n "${QUIB_KEEP:-}" ] && rm -rf "$QUIB_KEEP" && cp -r "$WORK" "$QUIB_KEEP"
  rm -rf "$WORK"
}
trap cleanup EXIT

# A virtual display of this script's own, for the windows of the game.
start_display() {  # base display number
  export DISPLAY=":$(( $1 + $$ % 100 ))"
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  fail "no virtual display"
}

# A fresh prefix whose Direct3D draws through GDI (the default renderer
# leaves windows black on a virtual display); waits until Wine has settled.
new_prefix() {
  wineboot -i >/dev/null 2>&1 || fail "wineboot could not make a prefix"
  wine reg add 'HKCU\Software\Wine\Direct3D' /v renderer /t REG_SZ /d gdi /f >/dev/null 2>&1 ||
    fail "could not set the Direct3D renderer"
  wineserver -w
}

# The Windows name of a file on the Linux side (drive Z: is the root).
winpath() { printf 'Z:%s' "$(realpath -m "$1")" | tr / '\\'; }
