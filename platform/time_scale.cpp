#include "platform/time_scale.h"

#include <algorithm>
#include <cstdlib>

namespace vidmora {

int TimeScale() {
  const char* text = std::getenv("VIDMORA_TIME_SCALE");
  if (!text || !*text) return 1;
  char* end = nullptr;
  long k = std::strtol(text, &end, 10);
  return (*end == '\0' && k >= 1 && k <= 1000000) ? static_cast<int>(k) : 1;
}

int ScaledMilliseconds(long long ms) {
  if (ms <= 0) return 0;
  return static_cast<int>(std::max<long long>(1, ms / TimeScale()));
}

}  // namespace vidmora
