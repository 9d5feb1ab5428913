#pragma once
#include "platform/clock.h"

namespace vidmora {

class SystemClock : public Clock {
 public:
  DateTime Now() const override;
};

}  // namespace vidmora
