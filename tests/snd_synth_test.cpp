// The effects made in code: each has the length, level, pitch and envelope
// of its recipe, never clips, starts and ends without a click, and comes
// out the same on every run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
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

TEST(Synth, NotesSoundAtTheirPitch) {
  // Every steady note of every effect, measured over its middle; sweeps
  // move the way they are meant to.
  for (int32_t k = 0; k < SoundCount; ++k) {
    const SoundRecipe& r = soundRecipe(static_cast<SoundId>(k));
    const std::vector<int16_t> s = render(static_cast<SoundId>(k));
    for (int32_t n = 0; n < r.noteCount; ++n) {
      const Note& note = r.note[n];
      if (note.wave == Noise) continue;
      const int32_t a = msToSamples(note.startMs), len = msToSamples(note.lengthMs);
      SCOPED_TRACE(std::string(r.name) + " note " + std::to_string(n));
      if (note.fromHz == note.toHz) {
        EXPECT_NEAR(pitchOf(s, a + len / 10, a + len * 9 / 10), note.fromHz, note.fromHz * 0.04);
      } else {
        const double early = pitchOf(s, a + len / 10, a + len * 4 / 10);
        const double late = pitchOf(s, a + len * 6 / 10, a + len * 9 / 10);
        EXPECT_EQ(late > early, note.toHz > note.fromHz);
        EXPECT_GT(std::abs(late - early), std::abs(note.toHz - note.fromHz) / 5);
      }
    }
  }
  // The coins climb with their size; FLIP rises one way and falls the other.
  for (int32_t size = 1; size < 4; ++size)
    EXPECT_GT(soundRecipe(coinSound(size)).note[0].fromHz, soundRecipe(coinSound(size - 1)).note[0].fromHz);
  EXPECT_EQ(coinSound(-1), SoundCoin0);
  EXPECT_EQ(coinSound(7), SoundCoin3);
  EXPECT_GT(soundRecipe(SoundFlipToRepellers).note[0].toHz, soundRecipe(SoundFlipToRepellers).note[0].fromHz);
  EXPECT_LT(soundRecipe(SoundFlipBack).note[0].toHz, soundRecipe(SoundFlipBack).note[0].fromHz);
}

TEST(Synth, TallyLinesAreHeardOneAfterAnother) {
  // Line k is silent until its turn and sounds right then, within its gap;
  // the total after n lines comes in the turn after the last of them.
  const auto heardAt = [](SoundId id, int32_t turn) {
    const std::vector<int16_t> s = render(id);
    const int32_t onset = msToSamples(TallyFirstMs + TallyGapMs * turn);
    EXPECT_EQ(peakOf(s, 0, onset), 0) << soundRecipe(id).name;
    EXPECT_GT(peakOf(s, onset, onset + msToSamples(TallyGapMs) / 2), 5000) << soundRecipe(id).name;
  };
  for (int32_t k = 0; k < 4; ++k) heardAt(static_cast<SoundId>(SoundTallyLine0 + k), k);
  // Each line is a step up from the one before.
  for (int32_t k = 1; k < 4; ++k)
    EXPECT_GT(soundRecipe(static_cast<SoundId>(SoundTallyLine0 + k)).note[0].fromHz,
              soundRecipe(static_cast<SoundId>(SoundTallyLine0 + k - 1)).note[0].fromHz);
  for (int32_t n = 0; n <= 4; ++n) heardAt(static_cast<SoundId>(SoundTallyTotal0 + n), n);
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
