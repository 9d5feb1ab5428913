#pragma once

namespace vidmora {

// For tests and demos only: VIDMORA_TIME_SCALE=K divides every timer period and every capture
// time limit by K (K = 100 turns a 20-minute segment into 12 s). Unset or invalid, it is 1.
int TimeScale();

// A duration in milliseconds as it runs on this machine: ms / TimeScale(), at least 1 when ms > 0.
int ScaledMilliseconds(long long ms);

}  // namespace vidmora
