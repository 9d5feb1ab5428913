#pragma once
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace vidmora {

inline constexpr std::string_view RecordingExtension = ".avi";
inline constexpr std::string_view SnapshotExtension = ".bmp";

// base + date text + the slot's tag + date-time text + extension, all from the one reading `now`:
// d:\Vidmora\2012年12月17日\(1)2012年12月17日19时38分41秒.avi
std::string CaptureFileName(std::string_view base, int slot, std::string_view extension, const DateTime& now);

// `path` itself when nothing bears that name yet, otherwise the first free "name_2.ext",
// "name_3.ext", ... Two snapshots in one second, or the hour repeated when daylight saving ends,
// would otherwise write over a file the user already has.
std::string FirstFreeName(const FileSystem& fs, std::string_view path);

}  // namespace vidmora
