// The effects made in code: each has the length, level, pitch and envelope
// of its recipe, never clips, starts and ends without a click, and comes
// out the same on every run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "sound/s_synth.h"

namespace {

std::vector<int16_t> render(SoundId id) {
  std::vector<int16_t> out(MaxSoundLength, 0);
  const int32_t n = synthesize(id, out.data(), MaxSoundLength);
  out.resize(n);
  return out;
}

int peakOf(const std::vector<int16_t>& s, int32_t from, int32_t to) {
  int peak = 0;
  for (int32_t i = from; i < to; ++i) peak = std::max(peak, std::abs(int{s[i]}));
  return peak;
}

// Pitch of a stretch from its upward zero crossings.
double pitchOf(const std::vector<int16_t>& s, int32_t from, int32_t to) {
  int crossings = 0, first = -1, last = -1;
  for (int32_t i = from + 1; i < to; ++i)
    if (s[i - 1] < 0 && s[i] >= 0) {
      if (first < 0) first = i;
      last = i;
      ++crossings;
    }
  if (crossings < 2) return 0;
  return (crossings - 1) * double{SoundRate} / (last - first);
}

}  // namespace

TEST(Synth, EveryEffectHasItsLengthLevelAndCleanEnds) {
  for (int32_t k = 0; k < SoundCount; ++k) {
    const SoundId id = static_cast<SoundId>(k);
    const SoundRecipe& r = soundRecipe(id);
    SCOPED_TRACE(r.name);
    const std::vector<int16_t> s = render(id);
    int32_t end = 0, loudest = 0, together = 0;
    for (int32_t n = 0; n < r.noteCount; ++n) {
      const Note& note = r.note[n];
      end = std::max(end, msToSamples(note.startMs) + msToSamples(note.lengthMs));
      loudest = std::max(loudest, note.peak);
      // The notes sounding when this one starts, at their loudest.
      int32_t sum = 0;
      for (int32_t m = 0; m < r.noteCount; ++m)
        if (r.note[m].startMs <= note.startMs && note.startMs < r.note[m].startMs + r.note[m].lengthMs)
          sum += r.note[m].peak;
      together = std::max(together, sum);
    }
    ASSERT_EQ(static_cast<int32_t>(s.size()), end);
    ASSERT_GT(end, msToSamples(20));
    ASSERT_LE(end, MaxSoundLength);
    // Never clipped: even notes that overlap leave headroom.
    EXPECT_LT(together, FullScale * 2 / 3);
    const int peak = peakOf(s, 0, end);
    EXPECT_LE(peak, loudest * 2);
    EXPECT_GE(peak, loudest * 6 / 10);  // the level is reached, not lost in the envelope
    // No click: silence at both ends, and a gentle first and last step.
    EXPECT_EQ(s.front(), 0);
    EXPECT_LT(std::abs(int{s.back()}), loudest / 20);
    const int32_t edge = msToSamples(1);
    EXPECT_LT(peakOf(s, 0, edge), loudest / 2);
    EXPECT_LT(peakOf(s, end - edge, end), loudest / 2);
  }
}

TEST(Synth, TonesSoundAtTheirPitch) {
  // Single steady notes, measured over their middle.
  const struct {
    SoundId id;
    double hz;
  } tones[] = {{SoundCoin0, 988},      {SoundCoin1, 1175},   {SoundCoin2, 1397},
               {SoundCoin3, 1760},     {SoundBouncePiece, 520}, {SoundMenuTurn, 880},
               {SoundEditorPlace, 660}, {SoundEditorRemove, 330}, {SoundClockTick, 1500},
               {SoundEditorRefused, 140}};
  for (const auto& t : tones) {
    SCOPED_TRACE(soundRecipe(t.id).name);
    const std::vector<int16_t> s = render(t.id);
    const int32_t n = static_cast<int32_t>(s.size());
    EXPECT_NEAR(pitchOf(s, n / 10, n * 9 / 10), t.hz, t.hz * 0.03);
  }
  // The coins climb with their size; the tally lines climb line by line.
  for (int32_t size = 1; size < 4; ++size) {
    const std::vector<int16_t> a = render(coinSound(size - 1)), b = render(coinSound(size));
    EXPECT_GT(pitchOf(b, 0, static_cast<int32_t>(b.size())), pitchOf(a, 0, static_cast<int32_t>(a.size())));
  }
  EXPECT_EQ(coinSound(-1), SoundCoin0);
  EXPECT_EQ(coinSound(7), SoundCoin3);
}

TEST(Synth, SweepsAndSequencesMoveTheRightWay) {
  const int32_t q = msToSamples(30);
  // FLIP one way rises, the other way falls.
  const std::vector<int16_t> up = render(SoundFlipToRepellers), down = render(SoundFlipBack);
  const int32_t n = static_cast<int32_t>(up.size());
  EXPECT_GT(pitchOf(up, n - 2 * q, n - q), 1.4 * pitchOf(up, q / 2, q + q / 2));
  EXPECT_LT(1.4 * pitchOf(down, n - 2 * q, n - q), pitchOf(down, q / 2, q + q / 2));
  // The exit's four notes rise; the game over's fall.
  const std::vector<int16_t> exit = render(SoundExit);
  double previous = 0;
  for (int32_t k = 0; k < 4; ++k) {
    const Note& note = soundRecipe(SoundExit).note[k];
    const int32_t a = msToSamples(note.startMs), b = a + msToSamples(note.lengthMs);
    const double hz = pitchOf(exit, a, b);
    EXPECT_NEAR(hz, note.fromHz, note.fromHz * 0.05);
    EXPECT_GT(hz, previous);
    previous = hz;
  }
  const std::vector<int16_t> over = render(SoundGameOver);
  EXPECT_GT(pitchOf(over, 0, msToSamples(250)), pitchOf(over, msToSamples(750), msToSamples(1250)));
}

TEST(Synth, TallyLinesAreHeardOneAfterAnother) {
  // Line k is silent until its turn, then sounds; the total after n lines
  // comes after the last of them.
  for (int32_t k = 0; k < 4; ++k) {
    const std::vector<int16_t> s = render(static_cast<SoundId>(SoundTallyLine0 + k));
    const int32_t onset = msToSamples(TallyFirstMs + TallyGapMs * k);
    EXPECT_EQ(peakOf(s, 0, onset), 0) << k;
    EXPECT_GT(peakOf(s, onset, static_cast<int32_t>(s.size())), 5000) << k;
  }
  for (int32_t n = 0; n <= 4; ++n) {
    const std::vector<int16_t> s = render(static_cast<SoundId>(SoundTallyTotal0 + n));
    const int32_t onset = msToSamples(TallyFirstMs + TallyGapMs * n);
    EXPECT_EQ(peakOf(s, 0, onset), 0) << n;
    EXPECT_GT(peakOf(s, onset, static_cast<int32_t>(s.size())), 5000) << n;
  }
}

TEST(Synth, NoiseIsTheSameOnEveryRunAndBurstDecays) {
  const std::vector<int16_t> a = render(SoundBurst), b = render(SoundBurst);
  EXPECT_EQ(a, b);
  const int32_t n = static_cast<int32_t>(a.size());
  // Loud at first, fading out: the first tenth is far louder than the last.
  EXPECT_GT(peakOf(a, 0, n / 10), 4 * peakOf(a, n * 9 / 10, n));
  // Noise, not a tone: many more zero crossings than its sine part has.
  int crossings = 0;
  for (int32_t i = 1; i < n / 4; ++i) crossings += (a[i - 1] < 0) != (a[i] < 0);
  EXPECT_GT(crossings, 400);
}

TEST(Synth, RefusesWhatDoesNotFit) {
  std::vector<int16_t> out(100, 7);
  EXPECT_EQ(synthesize(SoundExit, out.data(), 100), 0);
  EXPECT_EQ(out[0], 7);  // nothing written
  EXPECT_EQ(synthesize(SoundCount, out.data(), 100), 0);
  EXPECT_EQ(synthesize(SoundNudge, nullptr, MaxSoundLength), 0);
  EXPECT_EQ(soundLength(static_cast<SoundId>(-1)), 0);
}
