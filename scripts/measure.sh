#!/usr/bin/env bash
# Measures the running game on a virtual display: for the title screen,
# play and the editor it counts the frames actually shown in the window (X
# damage reports, scripts/frame_watch.c) and prints frames a second, the
# shortest and longest gap between two frames, the share of one CPU core
# the game used and its resident memory. The damage reports reach the
# observer on the library's own schedule (it sends what was drawn about
# every 10 ms), so the gaps are also timed inside the game's process, at
# the moment of each full-window copy (scripts/frame_times.c, loaded into
# the game): "inside" gives their frames a second, shortest, median and
# longest gap, and the share of gaps within 2 ms of a frame's 33.3 ms.
# The scenes "sound" and "quiet" play a level whose ball never rests, with
# sound on (into a file) and with -Q.
#
#   bash scripts/measure.sh [QUIB_PROGRAM] [SECONDS]
#
# QUIB_PROGRAM defaults to build/quib, SECONDS (per scene) to 10. Needs
# Xvfb, xdotool, xdpyinfo, a C compiler and the Xlib and XDamage headers
# (all installed by scripts/setup.sh). A measurement, not a test: it never
# fails on the figures.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUIB="$(realpath "${1:-$ROOT/build/quib}")"
SPAN="${2:-10}"
WORK="$(mktemp -d)"
GAME=""
XVFB=""
cleanup() {
  [ -n "$GAME" ] && kill "$GAME" 2>/dev/null
  [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

cc -O2 -o "$WORK/frame_watch" "$ROOT/scripts/frame_watch.c" -lX11 -lXdamage
cc -shared -fPIC -O2 -o "$WORK/frame_times.so" "$ROOT/scripts/frame_times.c" -ldl

# A level whose ball stays where it starts, so that play lasts as long as
# the measurement: coins and an exit, no force pieces, a long limit.
cat > "$WORK/quib_measure.qbf" <<'QBF'
name Measure
desc A still ball
levels 2
lives 3

start level
width 18
height 12
limit 9999
bonus 0
wall N B
wall E B
wall S B
wall W B
at 2 2 S 1
at 15 9 X 1
at 5 5 C 1
at 12 5 C 2
at 5 9 C 3
done level

start level
width 18
height 12
limit 9999
bonus 0
wall N B
wall E B
wall S B
wall W B
at 8 5 - 3
at 9 5 . 1
at 3 3 - 2
at 14 8 - 2
at 4 9 - 1
at 12 2 $ 1
done level
QBF

# Sound on for the sound scenes, whatever the machine has: ALSA's default
# device is a WAV file in a scratch HOME (see tests/window_sound.sh).
mkdir -p "$WORK/home"
cat > "$WORK/home/.asoundrc" <<ASOUNDRC
pcm.!default { type plug; slave { pcm "cap"; format S16_LE; } }
pcm.cap { type file; slave.pcm "null"; file "$WORK/out.wav"; format "wav" }
ASOUNDRC

# The display server and the observer get a higher priority (where allowed)
# than the game, so that on a busy machine what is late is the game's frame
# and not the report of it.
OBSERVER=()
if nice -n -10 true 2>/dev/null; then OBSERVER=(nice -n -10); fi
"${OBSERVER[@]}" Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
XVFB=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$WORK/display")"

# user + system time of a process, in clock ticks
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# "tid ticks" for each thread of a process
thread_ticks() { for t in /proc/"$1"/task/*; do awk '{ print $1, $14 + $15 }' "$t/stat"; done; }

measure() {  # scene
  local scene=$1 wid
  local times="$WORK/times.$scene"
  case "$scene" in
    title) (cd "$ROOT/campaigns" && QUIB_FRAME_TIMES="$times" LD_PRELOAD="$WORK/frame_times.so" \
              exec "$QUIB" 2>/dev/null) & ;;
    # A ball that keeps bouncing off the walls and pieces, with sound and
    # with -Q.
    sound) (cd "$WORK" && HOME="$WORK/home" QUIB_FRAME_TIMES="$times" LD_PRELOAD="$WORK/frame_times.so" \
              exec "$QUIB" -Equib_measure.qbf -L2 2>/dev/null) & ;;
    quiet) (cd "$WORK" && HOME="$WORK/home" QUIB_FRAME_TIMES="$times" LD_PRELOAD="$WORK/frame_times.so" \
              exec "$QUIB" -Equib_measure.qbf -L2 -Q 2>/dev/null) & ;;
    *) (cd "$WORK" && QUIB_FRAME_TIMES="$times" LD_PRELOAD="$WORK/frame_times.so" \
          exec "$QUIB" -Equib_measure.qbf 2>/dev/null) & ;;
  esac
  GAME=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^QUIB$' | head -1)
  sleep 2
  if [ "$scene" != title ] && [ "$scene" != editor ]; then
    # T starts a test play of the level; its countdown lasts one second.
    xdotool keydown --window "$wid" t; sleep 0.1; xdotool keyup --window "$wid" t
    sleep 3
  fi
  local c0 t0 c1 t1 frames rss
  : > "$times"  # the copies of the measured span only
  c0=$(cpu_ticks "$GAME"); thread_ticks "$GAME" > "$WORK/threads0"; t0=$(date +%s.%N)
  frames=$("${OBSERVER[@]}" "$WORK/frame_watch" "$wid" "$SPAN")
  c1=$(cpu_ticks "$GAME"); thread_ticks "$GAME" > "$WORK/threads1"; t1=$(date +%s.%N)
  cp "$times" "$times.span"
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$GAME/status")
  kill "$GAME" 2>/dev/null; wait "$GAME" 2>/dev/null || true
  GAME=""
  # The share of each thread, busiest first (the main thread, the library's
  # timer and background threads).
  local threads
  threads=$(awk -v hz="$(getconf CLK_TCK)" -v span="$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')" \
      'NR == FNR { before[$1] = $2; next } { printf "%.1f\n", 100 * ($2 - before[$1]) / hz / span }' \
      "$WORK/threads0" "$WORK/threads1" | sort -rn | paste -sd+)
  awk -v s="$scene" -v f="$frames" -v c=$((c1 - c0)) -v hz="$(getconf CLK_TCK)" \
      -v t0="$t0" -v t1="$t1" -v rss="$rss" -v th="$threads" \
      'BEGIN { printf "%-6s %s cpu=%.1f%% (threads %s) rss_kb=%d\n", s, f, 100 * c / hz / (t1 - t0), th, rss }'
  # The gaps between full-window copies, timed inside the game.
  awk 'NR > 1 { print 1000 * ($1 - last) } { last = $1 }' "$times.span" | sort -n |
    awk -v s="$scene" '{ g[NR] = $1; total += $1; near += ($1 >= 31.33 && $1 <= 35.33) }
      END { if (NR == 0) { printf "%-6s inside: no full-window copies seen\n", s; exit }
            printf "%-6s inside: fps=%.2f gaps_ms=%.1f/%.1f/%.1f (shortest/median/longest) within_2ms=%.1f%%\n",
                   s, 1000 * NR / total, g[1], g[int((NR + 1) / 2)], g[NR], 100 * near / NR }'
}

echo "measure.sh: $QUIB, $SPAN s a scene, display $DISPLAY"
for scene in title play editor sound quiet; do measure "$scene"; done
