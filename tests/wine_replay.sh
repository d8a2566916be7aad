#!/usr/bin/env bash
# The simulation gives the same outcome on Windows as on Linux: every
# shipped level's winning route, and 300 random key scripts on random
# levels of the five difficulty campaigns, give quib-replay.exe under Wine
# the very line the Linux quib-replay prints (outcome, frames, score, lives,
# coins, time left and the ball's last position to a thousandth).
source "$(dirname "${BASH_SOURCE[0]}")/support/wine.sh" "$@"
new_prefix

# Every run: campaign, level, script, as paths relative to the scratch
# folder (so that messages naming them read the same); the routes first.
cd "$WORK" || fail "no scratch folder"
ln -s "$CAMPAIGNS" campaigns
RUNS="$WORK/runs"
: >"$RUNS"
for route in campaigns/quib*.qbf.*.txt; do
  campaign="${route%.*.txt}"
  level="${route#"$campaign".}"
  echo "$campaign ${level%.txt} $route" >>"$RUNS"
done
[ "$(wc -l <"$RUNS")" -ge 100 ] || fail "only $(wc -l <"$RUNS") routes found"

# Random scripts from a fixed seed: 1 to 8 presses, each of one or two keys,
# 1 to 90 frames apart.
mkdir -p scripts
for name in beginner easy intermediate hard master; do
  file="campaigns/quib_$name.qbf"
  echo "$file $(awk '$1 == "levels" {print $2; exit}' "$file")"
done >levels.txt
awk -v dir=scripts -v seed=14 '
  BEGIN { srand(seed); split("up right down left flip", keys, " ") }
  { file[NR] = $1; levels[NR] = $2 }
  END {
    for (s = 1; s <= 300; ++s) {
      c = 1 + int(rand() * NR)
      level = 1 + int(rand() * levels[c])
      script = sprintf("%s/random%03d.txt", dir, s)
      frame = 0
      presses = 1 + int(rand() * 8)
      for (p = 0; p < presses; ++p) {
        frame += 1 + int(rand() * 90)
        line = frame " " keys[1 + int(rand() * 5)]
        if (rand() < 0.25) line = line " " keys[1 + int(rand() * 5)]
        print line > script
      }
      close(script)
      print file[c], level, script
    }
  }' levels.txt >>"$RUNS"

# Linux lines, then the same runs in one Windows console session (a batch
# file, so Wine starts once).
while read -r campaign level script; do
  "$LINUX_REPLAY" "$campaign" "$level" "$script" 2>&1
done <"$RUNS" >"$WORK/linux.txt"
while read -r campaign level script; do
  printf '"%s" "%s" %s "%s"\r\n' "$(winpath "$WIN/quib-replay.exe")" "$campaign" "$level" "$script"
done <"$RUNS" | sed 's/^/@/' >"$WORK/runs.bat"
wine cmd /c "$(winpath "$WORK/runs.bat")" >"$WORK/windows.txt" 2>&1 </dev/null
tr -d '\r' <"$WORK/windows.txt" >"$WORK/windows-lf.txt"
# On a busy machine Wine's console now and then fails to start a program at
# all ("Can't recognize ... as an internal or external command"): that
# launch, and only that, is made again on its own (at most twice). Whatever
# line quib-replay.exe itself prints is compared as it stands.
for attempt in 1 2; do
  grep -q "^Can't recognize" "$WORK/windows-lf.txt" || break
  : >"$WORK/windows-again.txt"
  n=0
  while IFS= read -r line; do
    n=$((n + 1))
    if [[ "$line" == "Can't recognize"* ]]; then
      echo "wine could not start run $n; starting it again" >&2
      sed -n "${n}p" "$WORK/runs.bat" >"$WORK/one.bat"
      line=$(wine cmd /c "$(winpath "$WORK/one.bat")" 2>&1 </dev/null | tr -d '\r')
    fi
    printf '%s\n' "$line" >>"$WORK/windows-again.txt"
  done <"$WORK/windows-lf.txt"
  mv "$WORK/windows-again.txt" "$WORK/windows-lf.txt"
done

runs=$(wc -l <"$RUNS")
[ "$runs" -ge 400 ] || fail "only $runs runs"
[ "$(wc -l <"$WORK/linux.txt")" = "$runs" ] || fail "Linux gave $(wc -l <"$WORK/linux.txt") lines for $runs runs"
grep -q '^Exited' "$WORK/linux.txt" || fail "no route won on Linux"
if ! cmp -s "$WORK/linux.txt" "$WORK/windows-lf.txt"; then
  diff "$WORK/linux.txt" "$WORK/windows-lf.txt" | head -20
  fail "quib-replay.exe differs from the Linux quib-replay (runs listed in order: routes, then random scripts)"
fi
echo "wine replay test passed: $runs runs, the same lines on both systems"
