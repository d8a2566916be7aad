#include "platform/i_sound.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

#include <allegro.h>

namespace {

SAMPLE* samples[SoundCount] = {};
bool on = false;

// Standard error is pointed at /dev/null while the sound driver starts: the
// ALSA library reports every card it cannot find there, and a player
// without a sound card must not see a screenful of it. Returns the saved
// descriptor for restoreStderr (-1 when nothing was changed).
int silenceStderr() {
  std::fflush(stderr);
  const int null = open("/dev/null", O_WRONLY);
  if (null < 0) return -1;
  const int saved = dup(STDERR_FILENO);
  if (saved >= 0) dup2(null, STDERR_FILENO);
  close(null);
  return saved;
}

void restoreStderr(int saved) {
  if (saved < 0) return;
  std::fflush(stderr);
  dup2(saved, STDERR_FILENO);
  close(saved);
}

// The library's 16-bit samples are unsigned: signed values moved up by half
// the range.
SAMPLE* makeSample(SoundId id) {
  static int16_t rendered[MaxSoundLength];
  const int32_t length = synthesize(id, rendered, MaxSoundLength);
  if (length <= 0) return nullptr;
  SAMPLE* sample = create_sample(16, FALSE, SoundRate, length);
  if (sample == nullptr) return nullptr;
  auto* data = static_cast<uint16_t*>(sample->data);
  for (int32_t i = 0; i < length; ++i) data[i] = static_cast<uint16_t>(rendered[i] ^ 0x8000);
  return sample;
}

}  // namespace

bool startSound(bool wanted) {
  if (!wanted || on) return on;
  // The library mixes this many effects at once; the effects' own levels
  // are set so that several together stay within range.
  reserve_voices(8, -1);
  const int saved = silenceStderr();
  const int failed = install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
  restoreStderr(saved);
  if (failed != 0) return false;
  // The automatic choice settles for the silent driver when no device
  // answers: nothing to make effects for.
  if (digi_card == DIGI_NONE) {
    remove_sound();
    return false;
  }
  // Two voices at their loudest together still fit the output range.
  set_volume_per_voice(1);
  for (int32_t id = 0; id < SoundCount; ++id) samples[id] = makeSample(static_cast<SoundId>(id));
  on = true;
  return true;
}

bool soundOn() { return on; }

void playSound(SoundId id) {
  if (!on || id < 0 || id >= SoundCount || samples[id] == nullptr) return;
  play_sample(samples[id], 255, 128, 1000, FALSE);
}
