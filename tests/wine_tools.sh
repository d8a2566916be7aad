#!/usr/bin/env bash
# The console tools of quib.exe under Wine give the campaigns the Linux
# quib gives, and each system reads what the other wrote: -S writes the
# same campaign (with Windows line ends, CR LF, there), -R shuffles the same
# levels (the order is random on both), and a campaign shuffled on Windows
# reads back on Linux, and on Windows, as the same levels.
source "$(dirname "${BASH_SOURCE[0]}")/support/wine.sh" "$@"
new_prefix
cd "$WORK" || fail "no scratch folder"

# The header, then each level block on one line, in sorted order: the same
# text for two campaigns with the same levels in any order and line ends.
canon() { tr -d '\r' <"$1" | awk 'BEGIN { RS = "" } NR == 1 { print "header " $0; next } { gsub(/\n/, "|"); print }' | sort; }

# -S: the same questions and the same campaign.
answers=$'  Far Side\nA campaign made by the tests, with spaces  \n'
printf '%s' "$answers" | "$LINUX_QUIB" -Slinux.qbf >linux-s.txt 2>&1 || fail "Linux -S failed"
printf '%s' "$answers" | wine "$WIN/quib.exe" -Swindows.qbf >windows-s.txt 2>&1 ||
  fail "quib.exe -S failed: $(cat windows-s.txt)"
[ "$(tr -d '\r' <windows-s.txt)" = "$(sed 's/linux\.qbf/windows.qbf/' linux-s.txt)" ] ||
  fail "quib.exe -S said '$(cat windows-s.txt)', Linux '$(cat linux-s.txt)'"
[ -f windows.qbf ] || fail "quib.exe -S wrote no file"
cmp -s <(tr -d '\r' <windows.qbf) linux.qbf || fail "quib.exe -S wrote another campaign: $(cat -A windows.qbf)"
lines=$(wc -l <windows.qbf)
[ "$(grep -c $'\r$' windows.qbf)" = "$lines" ] || fail "not every line of the Windows file ends in CR LF"
"$LINUX_QUIB" -R <windows.qbf >linux-read.qbf || fail "Linux does not read the campaign quib.exe -S wrote"
"$LINUX_QUIB" -R <linux.qbf >linux-own.qbf || fail "Linux does not read its own -S campaign"
cmp -s linux-read.qbf linux-own.qbf || fail "Linux reads the Windows campaign differently"
# Written again over an existing file (a rename over it on Windows).
printf 'Second\nSecond go\n' | wine "$WIN/quib.exe" -Swindows.qbf >/dev/null 2>&1 || fail "quib.exe -S over an existing file failed"
grep -q '^name Second' windows.qbf || fail "quib.exe -S did not replace the existing file"
# A Windows path into a folder: the temporary file goes beside the target.
mkdir sub
printf 'Third\nIn a folder\n' | wine "$WIN/quib.exe" -S'sub\third.qbf' >/dev/null 2>&1 || fail "quib.exe -S into a folder failed"
grep -q '^name Third' sub/third.qbf || fail "quib.exe -S wrote no sub\third.qbf"
ls -A . sub | grep -q '^\.quib-new' && fail "a temporary file was left behind"

# -R: the same levels, in a random order.
for name in beginner master; do
  campaign="$CAMPAIGNS/quib_$name.qbf"
  "$LINUX_QUIB" -R <"$campaign" >"linux-$name.qbf" || fail "Linux -R failed on $name"
  wine "$WIN/quib.exe" -R <"$campaign" >"windows-$name.qbf" 2>windows-r.err || fail "quib.exe -R failed on $name: $(cat windows-r.err)"
  canon "$campaign" >want.txt
  [ "$(wc -l <want.txt)" -gt 5 ] || fail "no levels in $campaign"
  canon "linux-$name.qbf" | cmp -s - want.txt || fail "Linux -R changed the levels of $name"
  canon "windows-$name.qbf" | cmp -s - want.txt || fail "quib.exe -R changed the levels of $name"
  # What Windows wrote, read on Linux and on Windows.
  "$LINUX_QUIB" -R <"windows-$name.qbf" >again-linux.qbf || fail "Linux does not read $name as shuffled on Windows"
  canon again-linux.qbf | cmp -s - want.txt || fail "Linux reads $name as shuffled on Windows differently"
  wine "$WIN/quib.exe" -R <"windows-$name.qbf" >again-windows.qbf 2>/dev/null || fail "quib.exe does not read its own $name"
  canon again-windows.qbf | cmp -s - want.txt || fail "quib.exe reads its own $name differently"
done

# Both refuse what is no campaign, with the same words.
echo "nonsense" | "$LINUX_QUIB" -R >/dev/null 2>linux-bad.txt && fail "Linux -R took nonsense"
echo "nonsense" | wine "$WIN/quib.exe" -R >windows-bad.out 2>windows-bad.txt && fail "quib.exe -R took nonsense"
[ ! -s windows-bad.out ] || fail "quib.exe -R wrote a broken campaign"
[ "$(tr -d '\r' <windows-bad.txt)" = "$(cat linux-bad.txt)" ] || fail "quib.exe -R said '$(cat windows-bad.txt)'"
echo "wine tools test passed"
