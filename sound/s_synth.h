// The game's sound effects, made in code: each effect is a short recipe of
// notes (a waveform or noise, a pitch sweep, a level and an envelope) that
// is rendered into a buffer of signed 16-bit mono samples. No library, no
// sample files; the same recipe gives the same samples on every run.
#pragma once
#include <cstdint>

constexpr int32_t SoundRate = 22050;              // samples a second
constexpr int32_t MaxSoundLength = 2 * SoundRate;  // no effect is longer than 2 s
constexpr int32_t FullScale = 32767;

enum Waveform : int32_t { Sine = 0, Triangle = 1, Square = 2, Noise = 3 };

// Every effect the player hears.
enum SoundId : int32_t {
  SoundNudge,
  SoundFlipToRepellers,  // attractors become repellers
  SoundFlipBack,         // and back
  SoundCoin0,            // a coin, one pitch per coin size 0..3
  SoundCoin1,
  SoundCoin2,
  SoundCoin3,
  SoundBounceWall,
  SoundBouncePiece,
  SoundWrap,
  SoundBurst,  // the ball lost on a hazard, an attractor or a deadly edge
  SoundTimeUp,
  SoundClockTick,  // each of the last five seconds
  SoundExit,
  SoundExtraLife,
  SoundTallyLine0,  // bonus line k of the tally, heard after the ones above it
  SoundTallyLine1,
  SoundTallyLine2,
  SoundTallyLine3,
  SoundTallyTotal0,  // the total after n bonus lines
  SoundTallyTotal1,
  SoundTallyTotal2,
  SoundTallyTotal3,
  SoundTallyTotal4,
  SoundMenuTurn,
  SoundMenuStart,
  SoundGameOver,
  SoundGameComplete,
  SoundEditorPlace,
  SoundEditorRemove,
  SoundEditorSave,
  SoundEditorRefused,
  SoundCount
};

// One note of an effect. The level rises from 0 over `attackMs`, holds at
// `peak` and falls back to 0 over the last `releaseMs`, so a note never
// starts or stops with a click. The pitch slides linearly from `fromHz` to
// `toHz`; for Noise the two give the rate at which a new random level is
// taken (lower is darker).
struct Note {
  Waveform wave;
  int32_t startMs;
  int32_t lengthMs;
  double fromHz;
  double toHz;
  int32_t peak;  // 0..FullScale
  int32_t attackMs;
  int32_t releaseMs;
};

constexpr int32_t MaxNotes = 6;

struct SoundRecipe {
  const char* name;
  int32_t noteCount;
  Note note[MaxNotes];
};

// Bonus lines of the tally are heard this far apart, the first after the
// exit's own sound.
constexpr int32_t TallyFirstMs = 450;
constexpr int32_t TallyGapMs = 250;

const SoundRecipe& soundRecipe(SoundId id);

// Samples from the start of a note (or an effect) at `ms` milliseconds.
int32_t msToSamples(int32_t ms);

// Length of the effect in samples: to the end of its last note.
int32_t soundLength(SoundId id);

// Renders the effect into `out` (room for `capacity` samples): the number
// of samples written, or 0 when the id is unknown or the room too small.
int32_t synthesize(SoundId id, int16_t* out, int32_t capacity);

// The sound of a coin of the given size (sizes beyond 3 sound like 3).
SoundId coinSound(int32_t size);
