// What happens in play, as the simulation reports it: a coin taken, a
// bounce, a wrap, the ball lost, the exit reached and so on. The front end
// listens through its own hook table (the window plays a sound for each);
// headless play leaves the table empty. Reporting changes nothing in the
// simulation.
#pragma once
#include <cstdint>

enum PlayEvent : int32_t {
  EventNudge,            // detail: the direction
  EventFlipToRepellers,  // an odd FLIP: the attractors now push
  EventFlipBack,         // an even FLIP: the level is as it started
  EventCoin,             // detail: the coin's size
  EventBounceWall,
  EventBouncePiece,
  EventWrap,
  EventBurst,      // the ball is lost (hazard, attractor or deadly edge)
  EventTimeUp,     // the clock ran out
  EventClockTick,  // detail: whole seconds now left, 4 down to 0
  EventExit,
  EventExtraLife,
  EventTallyLine,   // detail: index of the bonus line, from 0
  EventTallyTotal,  // detail: the number of bonus lines above it
  EventKinds
};

// The last whole seconds of the clock that tick.
constexpr int32_t TickingSeconds = 5;

struct PlayEventHooks {
  void (*report)(PlayEvent event, int32_t detail);
};

extern const PlayEventHooks silentEvents;
// Installs a table (nullptr: the silent one) and returns the one it replaced.
const PlayEventHooks* setPlayEventHooks(const PlayEventHooks* hooks);
void reportEvent(PlayEvent event, int32_t detail = 0);
