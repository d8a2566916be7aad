#!/usr/bin/env bash
# The game's sound as it reaches the sound device, in a real window. ALSA's
# default device is pointed at a WAV file (an .asoundrc in a scratch HOME);
# the file grows as the game's mixer writes to it, so the size of the file
# just before and after a key press brackets the part written meanwhile.
#  - With sound: the title screen is silent; turning the wheel, starting
#    BEGINNER, and each of its first three levels played by its stored
#    route (one NUDGE; coins on the third; the exit and the bonus tally) are
#    heard in their stretch of the file; the countdown before a level is
#    silent. In the editor, placing a piece, a refused key and a save are
#    heard.
#  - With -Q: no file at all (the device is never opened), or a silent one.
#  - With ALSA's defaults and no sound card (CI, servers): the game starts
#    and plays, and nothing about sound reaches standard error (ALSA's
#    complaints included). On a machine with a sound card this part plays
#    through it and checks the same.
DISPLAY_BASE=1320
source "$(dirname "${BASH_SOURCE[0]}")/support/window.sh" "$@"
CAMPAIGNS="$(realpath "$2")"
LEVEL="$(dirname "${BASH_SOURCE[0]}")/support/wav_level.py"
WAV="$WORK/out.wav"

mkdir -p "$WORK/home" "$WORK/nodevice"
cat > "$WORK/home/.asoundrc" <<ASOUNDRC
pcm.!default { type plug; slave { pcm "cap"; format S16_LE; } }
pcm.cap { type file; slave.pcm "null"; file "$WAV"; format "wav" }
ASOUNDRC
# "nodevice" has no .asoundrc: ALSA's own defaults, which on a machine
# without a sound card fail with a dozen lines on standard error.

size() { stat -c %s "$WAV" 2>/dev/null || echo 0; }
# Peak of the file between two sizes (whole file without them).
peak() { python3 "$LEVEL" "$WAV" "$@" | awk '{print $2}'; }
# Waits for the file to grow past $1 (the mixer writes in blocks).
grown_past() {
  for _ in $(seq 50); do [ "$(size)" -gt "$1" ] && return 0; sleep 0.1; done
  return 1
}
loud() {  # from to what
  local p
  p=$(peak "$1" "$2")
  [ "$p" -gt 1000 ] || fail "$3: peak $p between bytes $1 and $2 of the output"
}
quiet() {  # from to what
  local p
  p=$(peak "$1" "$2")
  [ "$p" -lt 50 ] || fail "$3: peak $p between bytes $1 and $2 of the output"
}
# Waits up to $1 seconds for the condition named by the rest to hold in a shot.
wait_shot() {  # seconds command...
  local end=$(( $(date +%s) + $1 )); shift
  while [ "$(date +%s)" -le "$end" ]; do shot; "$@" && return 0; sleep 0.1; done
  return 1
}
tally_shown() { [ "$(count_colour 164 128 96 8 '#C0C0C0')" -gt 10 ]; }
tally_gone() { ! tally_shown; }
no_sound_talk() {  # what: standard error holds nothing about sound
  if grep -qiE 'alsa|sound|pcm|audio|card' "$WORK/err"; then
    cat "$WORK/err"
    fail "$1: the sound libraries wrote to standard error"
  fi
}
# With ALSA's file device the sound libraries load ALSA plugins and unload
# them before the game ends; what they keep can no longer be traced to a
# library, so a sanitized game skips its leak check there (the runs without
# a device and with -Q keep it).
FILE_DEVICE_ASAN="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
start_game() {  # home args...
  local home="$1" asan="${ASAN_OPTIONS:-}"; shift
  [ "$home" = "$WORK/home" ] && [ "${1:-}" != -Q ] && asan="$FILE_DEVICE_ASAN"
  (cd "$CAMPAIGNS" && HOME="$home" ASAN_OPTIONS="$asan" exec "$QUIB" "$@" 2> "$WORK/err") &
  GAME=$!
  find_window || fail "no window titled QUIB"
  wait_shot 10 in_menu || fail "no menu"
}
# Turns the wheel to BEGINNER and starts it; waits for play.
start_beginner() {
  tap Up; tap Up
  tap space
  wait_shot 15 playing || fail "BEGINNER did not start playing"
}
asking_quit() { [ "$(count_colour 212 352 88 8 '#FFFF00')" -gt 10 ]; }
# Back to the menu from wherever the game is (a tally, a countdown, play),
# then ESC to end it.
leave() {
  local end=$(( $(date +%s) + 20 ))
  while [ "$(date +%s)" -le "$end" ]; do
    shot
    in_menu && break
    if asking_quit; then tap y; continue; fi
    playing && tally_gone && tap Escape
    sleep 0.2
  done
  in_menu || fail "could not get back to the menu"
  tap Escape
  await_exit 50 "the game did not end after ESC"
  [ "$STATUS" = 0 ] || fail "exit code $STATUS"
}

# --- With sound.
start_game "$WORK/home"
sleep 0.5
[ -f "$WAV" ] || fail "the game opened no sound device"
TITLE=$(size)
quiet 0 "$TITLE" "the title screen"
tap Up
grown_past $(( TITLE + 20000 )) || fail "the output stopped growing"
TURNED=$(size)
loud "$TITLE" "$TURNED" "turning the wheel"
tap Up
sleep 0.3
BEFORE_START=$(size)
tap space
grown_past $(( BEFORE_START + 20000 ))
sleep 0.3
STARTED=$(size)
loud "$BEFORE_START" "$STARTED" "starting the campaign"
sleep 1  # past the end of the start sound, into the countdown
QUIET_FROM=$(size)
for level in 1 2 3; do
  # The tally stays up for five seconds, over a panel that looks like play.
  wait_shot 10 tally_gone || fail "level $level: the last tally stayed up"
  wait_shot 15 playing || fail "level $level did not start playing"
  COUNTED=$(size)
  # The countdown is silent (and what came before it since the last sound).
  quiet "$QUIET_FROM" "$COUNTED" "the countdown of level $level"
  # The stored route: one NUDGE (the frame does not matter, the ball is still).
  key=$(awk '!/^#/ && NF {print $2; exit}' "$CAMPAIGNS/quib_beginner.qbf.$level.txt")
  case "$key" in left) key=Left ;; right) key=Right ;; up) key=Up ;; down) key=Down ;; esac
  tap "$key"
  grown_past "$COUNTED"
  wait_shot 10 tally_shown || fail "level $level: no bonus tally"
  EXITED=$(size)
  loud "$COUNTED" "$EXITED" "level $level: the NUDGE, the way to the exit"
  sleep 2.5  # the tally lines and the total follow the exit within two seconds
  TALLIED=$(size)
  loud "$EXITED" "$TALLIED" "level $level: the bonus tally"
  sleep 0.8
  QUIET_FROM=$(size)
done
leave
no_sound_talk "with sound"

# --- The editor: a piece placed, a key refused at its limit (no level
# below the first), a save; and nothing while no key is pressed.
printf 'name Mine\ndesc Made here.\nlevels 1\nlives 3\n' > "$WORK/quib_mine.qbf"
(cd "$WORK" && HOME="$WORK/home" ASAN_OPTIONS="$FILE_DEVICE_ASAN" exec "$QUIB" -Equib_mine.qbf 2> "$WORK/err") &
GAME=$!
find_window || fail "no editor window"
sleep 1
for step in "c:placing a coin" "Next:PAGE DOWN on the first level" "F2:saving"; do
  FROM=$(size)
  tap "${step%%:*}"
  grown_past $(( FROM + 20000 ))
  sleep 0.3
  loud "$FROM" "$(size)" "editor, ${step#*:}"
done
FROM=$(size)
sleep 0.5
quiet "$FROM" "$(size)" "editor, no key"
tap Escape
await_exit 50 "the editor did not end after ESC"
no_sound_talk "editor"

# --- -Q: the device is never opened.
rm -f "$WAV"
start_game "$WORK/home" -Q
tap Down; tap Up
start_beginner
tap Right
wait_shot 10 tally_shown || fail "-Q: no bonus tally"
sleep 1
if [ -f "$WAV" ]; then quiet 0 "$(size)" "-Q"; fi
leave

# --- No usable device: plays, silently, without a word.
start_game "$WORK/nodevice"
start_beginner
tap Right
wait_shot 10 tally_shown || fail "no device: no bonus tally"
[ -z "$(message_pids)" ] || fail "no device: a message box"
leave
no_sound_talk "no device"
[ ! -f "$WAV" ] || fail "no device: something was written to the file device"
echo "window sound test passed"
