// The frame clock and the keyboard helpers shared by every screen loop.
#pragma once
#include <atomic>
#include <cstdint>

#include "game/p_play.h"

constexpr int TimerSpeed = 1242;   // timer clock units: about 960.7 ticks a second
constexpr int TicksPerFrame = 32;  // a frame lasts at least 33.3 ms

// Advanced only by onTick, on the timer's thread; read by the main thread.
extern std::atomic<int32_t> tickCount;

void onTick();
// Removes the tick callback if installed, sets tickCount to 0, installs it again.
void restartFrameClock();

// Sleeps until tickCount >= tick, woken by the tick callback; returns the
// tick count read when the wait ended.
int32_t sleepUntilTick(int32_t tick);

// The longest a wait sleeps without being woken before it looks at the
// count again (in case the timer has stopped): 100 ms unless set. Every tick
// that ends a wait wakes it at once, so this only matters when none comes.
void setTickRecheck(int milliseconds);

// Sleeps until tickCount >= frameStart + 32; returns the tick count read
// when the wait ended (the start of the next frame). No catching up: a late
// frame is followed by a full frame from its end.
int32_t waitForFrameEnd(int32_t frameStart);

// Sleeps, a tick at a time, while SPACE, ENTER or keypad ENTER is held.
void waitForActionRelease();

// True when the held direction keys all belong to one group (written to dir).
bool heldDirection(Direction& dir);
// The same rule over any key state array indexed by scancode.
bool heldDirectionIn(const volatile char* keys, Direction& dir);
// Any key of the keyboard held.
bool anyKeyHeld();
// SPACE, ENTER or keypad ENTER held.
bool actionKeyHeld();
