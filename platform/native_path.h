#pragma once
#include <filesystem>
#include <string_view>

namespace vidmora {

// Maps a path in the program's own form onto this machine: the drive "d:" is the user's home
// directory and "\" separates levels. "d:\Vidmora\2012年12月17日\" -> $HOME/Vidmora/2012年12月17日/
// Names stay UTF-8. Every file-system access of the program goes through this one mapping.
std::filesystem::path NativePath(std::string_view programPath);

}  // namespace vidmora
