#include "game/p_events.h"

namespace {

void ignoreEvent(PlayEvent, int32_t) {}

const PlayEventHooks* currentEvents = &silentEvents;

}  // namespace

const PlayEventHooks silentEvents = {ignoreEvent};

const PlayEventHooks* setPlayEventHooks(const PlayEventHooks* hooks) {
  const PlayEventHooks* before = currentEvents;
  currentEvents = hooks ? hooks : &silentEvents;
  return before;
}

void reportEvent(PlayEvent event, int32_t detail) { currentEvents->report(event, detail); }
