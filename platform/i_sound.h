// The sound device: the effects are made once at start-up and played by
// the library's mixer, in its own thread. Without a device (or with -Q)
// every call here is silent and costs nothing.
#pragma once
#include "sound/s_synth.h"

// Opens the sound device with the library's automatic driver choice and
// makes every effect. `wanted` false (the -Q option) leaves sound off. A
// missing device is no error: the game just plays silently, and whatever
// the sound libraries would print while looking for one stays off the
// terminal. Must follow the timer's installation. True when sound is on.
bool startSound(bool wanted);

// True once startSound found a device and made the effects.
bool soundOn();

// Starts an effect; nothing is allocated and nothing waits.
void playSound(SoundId id);
