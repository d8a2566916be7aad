// The recipes of the sound effects and their rendering.
#include "sound/s_synth.h"

#include <cmath>

namespace {

constexpr double TwoPi = 6.283185307179586;

// Shorthands for the table below.
constexpr Note tone(Waveform w, int32_t start, int32_t length, double from, double to, int32_t peak,
                    int32_t attack, int32_t release) {
  return Note{w, start, length, from, to, peak, attack, release};
}
// A plucked note: a quick rise, then a fall over the rest of its length.
constexpr Note pluck(Waveform w, int32_t start, int32_t length, double hz, int32_t peak) {
  return Note{w, start, length, hz, hz, peak, 2, length - 2};
}
// A held note: a quick rise, a hold, a fall over its last third.
constexpr Note held(Waveform w, int32_t start, int32_t length, double hz, int32_t peak) {
  return Note{w, start, length, hz, hz, peak, 4, length / 3};
}

constexpr int32_t tallyAt(int32_t k) { return TallyFirstMs + TallyGapMs * k; }

// Pitches: the coin sizes climb, as do the tally lines.
constexpr double CoinHz[4] = {988, 1175, 1397, 1760};
constexpr double TallyHz[4] = {659, 784, 988, 1319};

// In SoundId order. Levels are chosen so that short cues (ticks, clicks)
// sit below the big events (burst, exit, life) without vanishing under them.
const SoundRecipe recipes[SoundCount] = {
    {"nudge", 1, {tone(Triangle, 0, 90, 220, 140, 9000, 3, 80)}},
    {"flip to repellers", 1, {tone(Square, 0, 140, 300, 900, 6000, 4, 60)}},
    {"flip back", 1, {tone(Square, 0, 140, 900, 300, 6000, 4, 60)}},
    {"coin 0", 1, {pluck(Triangle, 0, 100, CoinHz[0], 11000)}},
    {"coin 1", 1, {pluck(Triangle, 0, 100, CoinHz[1], 11000)}},
    {"coin 2", 1, {pluck(Triangle, 0, 110, CoinHz[2], 11500)}},
    {"coin 3", 1, {pluck(Triangle, 0, 120, CoinHz[3], 12000)}},
    {"bounce off a wall", 1, {tone(Sine, 0, 60, 160, 110, 12000, 2, 55)}},
    {"bounce off a piece", 1, {pluck(Triangle, 0, 45, 520, 8000)}},
    {"wrap", 1, {tone(Sine, 0, 180, 300, 1200, 7000, 20, 80)}},
    {"burst",
     2,
     {tone(Noise, 0, 700, 9000, 1200, 12000, 3, 650), tone(Sine, 0, 500, 180, 40, 9000, 3, 450)}},
    {"time up", 1, {tone(Square, 0, 450, 110, 90, 6000, 5, 200)}},
    {"clock tick", 1, {tone(Square, 0, 30, 1500, 1500, 5000, 3, 25)}},
    {"exit",
     4,
     {pluck(Triangle, 0, 70, 523, 10000), pluck(Triangle, 70, 70, 659, 10000),
      pluck(Triangle, 140, 70, 784, 10000), held(Triangle, 210, 180, 1047, 10000)}},
    {"extra life",
     6,
     {held(Square, 0, 60, 784, 5000), held(Square, 60, 60, 988, 5000), held(Square, 120, 60, 1175, 5000),
      held(Square, 180, 60, 1568, 5000), held(Square, 240, 60, 1175, 5000),
      held(Square, 300, 150, 1568, 5000)}},
    {"tally line 1", 1, {pluck(Triangle, tallyAt(0), 120, TallyHz[0], 9000)}},
    {"tally line 2", 1, {pluck(Triangle, tallyAt(1), 120, TallyHz[1], 9000)}},
    {"tally line 3", 1, {pluck(Triangle, tallyAt(2), 120, TallyHz[2], 9000)}},
    {"tally line 4", 1, {pluck(Triangle, tallyAt(3), 120, TallyHz[3], 9000)}},
    {"tally total", 2, {held(Triangle, tallyAt(0), 100, 1047, 10000), held(Triangle, tallyAt(0) + 100, 250, 1568, 10000)}},
    {"tally total after 1", 2, {held(Triangle, tallyAt(1), 100, 1047, 10000), held(Triangle, tallyAt(1) + 100, 250, 1568, 10000)}},
    {"tally total after 2", 2, {held(Triangle, tallyAt(2), 100, 1047, 10000), held(Triangle, tallyAt(2) + 100, 250, 1568, 10000)}},
    {"tally total after 3", 2, {held(Triangle, tallyAt(3), 100, 1047, 10000), held(Triangle, tallyAt(3) + 100, 250, 1568, 10000)}},
    {"tally total after 4", 2, {held(Triangle, tallyAt(4), 100, 1047, 10000), held(Triangle, tallyAt(4) + 100, 250, 1568, 10000)}},
    {"menu turn", 1, {pluck(Triangle, 0, 35, 880, 6000)}},
    {"menu start",
     4,
     {held(Triangle, 0, 80, 440, 9000), held(Triangle, 80, 80, 554, 9000), held(Triangle, 160, 80, 659, 9000),
      held(Triangle, 240, 200, 880, 9000)}},
    {"game over",
     4,
     {tone(Triangle, 0, 250, 392, 392, 10000, 10, 80), tone(Triangle, 250, 250, 330, 330, 10000, 10, 80),
      tone(Triangle, 500, 250, 262, 262, 10000, 10, 80), tone(Triangle, 750, 500, 196, 196, 10000, 10, 300)}},
    {"game complete",
     4,
     {held(Square, 0, 120, 523, 6000), held(Square, 120, 120, 659, 6000), held(Square, 240, 120, 784, 6000),
      held(Square, 360, 500, 1047, 6000)}},
    {"editor place", 1, {pluck(Triangle, 0, 40, 660, 7000)}},
    {"editor remove", 1, {pluck(Triangle, 0, 40, 330, 7000)}},
    {"editor save", 2, {held(Triangle, 0, 70, 660, 8000), held(Triangle, 70, 120, 990, 8000)}},
    {"editor refused", 1, {tone(Square, 0, 150, 140, 140, 5000, 4, 50)}},
};

// The noise generator: a fixed sequence per note, so every run sounds alike.
uint32_t nextNoise(uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return state >> 8;
}

double waveAt(Waveform wave, double phase) {
  const double f = phase - std::floor(phase);
  switch (wave) {
    case Sine: return std::sin(TwoPi * f);
    case Triangle: return f < 0.25 ? 4 * f : (f < 0.75 ? 2 - 4 * f : 4 * f - 4);
    case Square: return f < 0.5 ? 1.0 : -1.0;
    default: return 0.0;
  }
}

// Adds one note into the mix buffer.
void renderNote(const Note& note, uint32_t seed, int32_t* mix) {
  const int32_t start = msToSamples(note.startMs);
  const int32_t length = msToSamples(note.lengthMs);
  const double attack = msToSamples(note.attackMs);
  const double release = msToSamples(note.releaseMs);
  double phase = 0;
  double noiseLevel = 0;
  uint32_t noise = seed;
  for (int32_t i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / length;
    const double hz = note.fromHz + (note.toHz - note.fromHz) * t;
    double value;
    if (note.wave == Noise) {
      // A new random level each time the phase passes a whole number.
      const double before = std::floor(phase);
      phase += hz / SoundRate;
      if (i == 0 || std::floor(phase) != before)
        noiseLevel = static_cast<double>(nextNoise(noise) & 0xFFFF) / 32767.5 - 1.0;
      value = noiseLevel;
    } else {
      value = waveAt(note.wave, phase);
      phase += hz / SoundRate;
    }
    double gain = 1.0;
    if (attack > 0 && i < attack) gain = i / attack;
    const double left = length - 1 - i;
    if (release > 0 && left < release) gain *= left / release;
    mix[start + i] += static_cast<int32_t>(std::lround(note.peak * gain * value));
  }
}

}  // namespace

const SoundRecipe& soundRecipe(SoundId id) { return recipes[id]; }

int32_t msToSamples(int32_t ms) { return static_cast<int32_t>(int64_t{ms} * SoundRate / 1000); }

SoundId coinSound(int32_t size) {
  if (size <= 0) return SoundCoin0;
  if (size >= 3) return SoundCoin3;
  return static_cast<SoundId>(SoundCoin0 + size);
}

int32_t soundLength(SoundId id) {
  if (id < 0 || id >= SoundCount) return 0;
  const SoundRecipe& recipe = recipes[id];
  int32_t end = 0;
  for (int32_t n = 0; n < recipe.noteCount; ++n) {
    const Note& note = recipe.note[n];
    const int32_t e = msToSamples(note.startMs) + msToSamples(note.lengthMs);
    if (e > end) end = e;
  }
  return end;
}

int32_t synthesize(SoundId id, int16_t* out, int32_t capacity) {
  const int32_t length = soundLength(id);
  if (length <= 0 || out == nullptr || capacity < length || length > MaxSoundLength) return 0;
  static int32_t mix[MaxSoundLength];
  for (int32_t i = 0; i < length; ++i) mix[i] = 0;
  const SoundRecipe& recipe = recipes[id];
  for (int32_t n = 0; n < recipe.noteCount; ++n)
    renderNote(recipe.note[n], 0x5EED0000u + static_cast<uint32_t>(id * MaxNotes + n), mix);
  for (int32_t i = 0; i < length; ++i) {
    const int32_t v = mix[i];
    out[i] = static_cast<int16_t>(v > FullScale ? FullScale : (v < -FullScale ? -FullScale : v));
  }
  return length;
}
