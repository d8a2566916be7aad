#!/usr/bin/env bash
# The editor's failures in a real window, each a message box and exit code 1:
# "-E" without a name, a missing file, a file that is not a campaign, and F2
# on a read-only campaign file, which first leaves the campaign in
# "#quibF2.qbf#" in the current directory.
set -u
QUIB="$(realpath "$1")"
WORK="$(mktemp -d)"
DISPLAY_NUMBER=$(( 420 + $$ % 100 ))
export DISPLAY=":$DISPLAY_NUMBER"

Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
GAME=""
cleanup() {
  [ -n "$GAME" ] && kill "$GAME" 2>/dev/null
  for pid in $(message_pids); do kill "$pid" 2>/dev/null; done
  kill "$XVFB" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Message boxes on this test's display only (other tests may run their own).
message_pids() {
  for pid in $(pgrep -x xmessage); do
    tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qxF "DISPLAY=$DISPLAY" && echo "$pid"
  done
}
# Waits for a message box showing the text, dismisses it and checks that the
# program then ends with exit code 1.
expect_message() {  # text what
  local pid="" args=""
  for _ in $(seq 100); do
    pid=$(message_pids | head -1)
    [ -n "$pid" ] && break
    sleep 0.1
  done
  [ -n "$pid" ] || fail "$2: no message box"
  sleep 0.3
  args=$(tr '\0' ' ' < "/proc/$pid/cmdline")
  case "$args" in
    *"$1"*) ;;
    *) fail "$2: message box says: $args" ;;
  esac
  local box
  box=$(timeout 10 xdotool search --sync --onlyvisible --class Xmessage | head -1)
  [ -n "$box" ] || fail "$2: message box has no window"
  xdotool key --window "$box" --delay 200 Return 2>/dev/null
  for _ in $(seq 50); do kill -0 "$GAME" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$GAME" 2>/dev/null && fail "$2: the program did not end"
  wait "$GAME"; local status=$?
  GAME=""
  [ "$status" = 1 ] || fail "$2: exit code $status"
}

cd "$WORK" || exit 1

"$QUIB" -E &
GAME=$!
expect_message "No filename given." "-E alone"

"$QUIB" -Equib_nowhere.qbf &
GAME=$!
expect_message "File missing or corrupt." "missing file"

printf 'This is a shopping list.\nmilk\n' > quib_list.qbf
"$QUIB" -Equib_list.qbf &
GAME=$!
expect_message "File does not appear to be a Quib campaign." "not a campaign"

cat > quib_locked.qbf <<'EOF'
name Locked
desc Nobody may write here
levels 1
lives 4

start level
width 3
height 1
limit 10
bonus 0
wall N B
wall E B
wall S B
wall W B
at 0 0 . 1
at 2 0 * 1
done level
EOF
chmod 444 quib_locked.qbf
cp quib_locked.qbf before.qbf
"$QUIB" -Equib_locked.qbf &
GAME=$!
WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^QUIB$' | head -1)
[ -n "$WID" ] || fail "no editor window for the read-only file"
sleep 0.5
xdotool keydown --window "$WID" Delete 2>/dev/null; sleep 0.1; xdotool keyup --window "$WID" Delete 2>/dev/null   # lives 4 -> 3
sleep 0.12
xdotool keydown --window "$WID" F2 2>/dev/null; sleep 0.1; xdotool keyup --window "$WID" F2 2>/dev/null
expect_message "Unable to save." "F2 on a read-only file"
cmp -s quib_locked.qbf before.qbf || fail "the read-only file was changed"
[ -f '#quibF2.qbf#' ] || fail "no emergency file #quibF2.qbf#"
grep -qxF "lives 3" '#quibF2.qbf#' || { cat '#quibF2.qbf#'; fail "the emergency file lacks the edit"; }
grep -qxF "at 2 0 * 1" '#quibF2.qbf#' || fail "the emergency file lacks the level"
"$QUIB" -R < '#quibF2.qbf#' > /dev/null || fail "the emergency file is not a campaign"
echo "editor failure window test passed"
