#include "recording/date_text.h"

namespace vidmora {

DateTime CurrentTime(const System& sys) { return sys.clock.Now(); }

DateTime DateOnly(const DateTime& t) { return {t.year, t.month, t.day, 0, 0, 0}; }

std::string DateText(const DateTime& t) {
  return std::to_string(t.year) + "年" + std::to_string(t.month) + "月" + std::to_string(t.day) + "日";
}

std::string DateTimeText(const DateTime& t) {
  const std::string hour = std::to_string(t.hour) + "时";
  const std::string minute = std::to_string(t.minute) + "分";
  const std::string second = std::to_string(t.second) + "秒";
  if (t.second != 0) return DateText(t) + hour + minute + second;
  if (t.minute != 0) return DateText(t) + hour + minute;
  if (t.hour != 0) return DateText(t) + hour;
  return DateText(t);
}

}  // namespace vidmora
