#pragma once
#include "platform/system.h"

namespace vidmora {

// A recording runs as a chain of captures of at most 1200 s each. The slot's timer fires every
// 1201 s and starts the next one, so segments follow each other with a second to spare.
inline constexpr int kSegmentTimerPeriodMs = 1201000;
inline constexpr int kCaptureLimitSeconds = 1200;
inline constexpr int kFramePeriodMs = 66;

// One recording segment of a slot: today's folder, a fresh name, and a background capture into it.
// The outcome is not examined: a segment that cannot start leaves the timer to try the next one.
void StartSegment(System& sys, int slot);

}  // namespace vidmora
