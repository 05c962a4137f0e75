// Delay: waits `ms` milliseconds while the window keeps processing its
// events (timers, link events, repaints), for the few waits that cannot be
// a timer of their own.  It runs a nested event loop, so anything may happen
// during the wait; callers must not hold state that an event could change.
// Window thread only.
#pragma once

namespace brilox {

void Delay(int ms);

}  // namespace brilox
