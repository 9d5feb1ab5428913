#include "recording/capture_file_name.h"

#include "capture/camera_slots.h"
#include "recording/date_text.h"

namespace vidmora {

std::string CaptureFileName(std::string_view base, int slot, std::string_view extension, const DateTime& now) {
  return std::string(base) + DateText(DateOnly(now)) + std::string(Slot(slot).fileTag) + DateTimeText(now) +
         std::string(extension);
}

std::string FirstFreeName(const FileSystem& fs, std::string_view path) {
  if (!fs.Exists(path)) return std::string(path);
  const std::size_t nameStart = path.rfind('\\') + 1;  // npos + 1 == 0: no folder part
  std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < nameStart) dot = path.size();
  const std::string_view stem = path.substr(0, dot), extension = path.substr(dot);
  for (int n = 2;; ++n) {
    std::string candidate = std::string(stem) + "_" + std::to_string(n) + std::string(extension);
    if (!fs.Exists(candidate)) return candidate;
  }
}

}  // namespace vidmora
