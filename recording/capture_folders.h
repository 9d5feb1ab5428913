#pragma once
#include <string_view>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace vidmora {

// The two base folders; every file goes into a folder per day below one of them.
inline constexpr std::string_view RecordingsBase = "d:\\Vidmora\\";
inline constexpr std::string_view PicturesBase = "d:\\摄像头拍照\\";

// Creates base + the date text of `now`, level by level: a level that is a directory is kept, a
// missing one is created, and the walk stops at the first creation that fails (a plain file in the
// way counts as missing, so its creation fails). The drive is neither tested nor created. Callers
// never ask how it went: a capture into a folder that is missing simply writes nothing.
void EnsureDateFolder(FileSystem& fs, std::string_view base, const DateTime& now);

}  // namespace vidmora
