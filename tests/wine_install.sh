#!/usr/bin/env bash
# The installer under Wine: /S installs silently into C:\Program Files\QUIB
# every file of the release, a Start-menu entry that starts the game with
# -Z and an uninstaller; the installed game, started from a folder without
# campaigns, finds them in C:\Program Files\QUIB and opens on the title
# screen; the uninstaller (/S) leaves nothing of it behind.
source "$(dirname "${BASH_SOURCE[0]}")/support/wine.sh" "$@"
start_display 580
new_prefix
C="$WINEPREFIX/drive_c"
DIR="$C/Program Files/QUIB"
MENU="$C/ProgramData/Microsoft/Windows/Start Menu/Programs/QUIB"
KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QUIB'
GAME=""
trap '[ -n "$GAME" ] && kill "$GAME" 2>/dev/null; cleanup' EXIT
before="$WORK/before.txt"
(cd "$C" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort) >"$before"

wine "$SETUP" /S || fail "the installer failed"
wineserver -w
for file in "$WIN"/*; do
  name="$(basename "$file")"
  cmp -s "$file" "$DIR/$name" || fail "$name is not installed as released"
done
[ -f "$DIR/uninstall.exe" ] || fail "no uninstaller"
[ -f "$MENU/QUIB.lnk" ] || fail "no Start-menu entry"
strings -n 2 -el "$MENU/QUIB.lnk" | grep -qx -- '-Z' || fail "the Start-menu entry does not start the game with -Z"
wine reg query "$KEY" /v UninstallString >/dev/null 2>&1 || fail "the game is not listed for removal"

# Started from a folder without campaigns, as the Start menu would.
mkdir -p "$C/elsewhere"
(cd "$C/elsewhere" && exec wine 'C:\Program Files\QUIB\quib.exe' -Z) &
GAME=$!
WID=$(timeout 60 xdotool search --sync --onlyvisible --name '^QUIB$' | head -1)
[ -n "$WID" ] || fail "the installed game opened no window"
ok=""
for _ in $(seq 100); do
  eval "$(xdotool getwindowgeometry --shell "$WID")"
  import -window root -crop "512x384+$X+$Y" +repage "$WORK/shot.png" 2>/dev/null
  if [ "$(convert "$WORK/shot.png" -crop 193x18+160+246 +repage -depth 8 txt:- | grep -c '#FFFF00')" -gt 380 ]; then
    ok=1; break
  fi
  sleep 0.3
done
[ -n "$ok" ] || fail "the installed game shows no campaign wheel (campaigns not found?)"
xdotool keydown --window "$WID" Escape; sleep 0.15; xdotool keyup --window "$WID" Escape
for _ in $(seq 100); do kill -0 "$GAME" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME" 2>/dev/null && fail "the game did not end on ESC"
wait "$GAME" || fail "the game ended with $?"
GAME=""
rmdir "$C/elsewhere"

wine "$DIR/uninstall.exe" /S || fail "the uninstaller failed"
wineserver -w
[ -e "$DIR" ] && fail "left behind: $(cd "$DIR" && ls -A)"
[ -e "$MENU" ] && fail "the Start-menu entry is left behind"
wine reg query "$KEY" >/dev/null 2>&1 && fail "the removal entry is left behind"
(cd "$C" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort) >"$WORK/after.txt"
cmp -s "$before" "$WORK/after.txt" || fail "files differ after uninstalling: $(diff "$before" "$WORK/after.txt" | head)"
echo "wine install test passed"
