#pragma once

namespace vidmora {

// A local date and time to the whole second.
struct DateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Local wall-clock time, cut to the whole second (never rounded up).
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() const = 0;
};

}  // namespace vidmora
