#pragma once
#include <cstdint>
#include <filesystem>

namespace vidmora {

// Creates `file` for reading and writing and returns its descriptor, or -1 when it exists already or cannot be made.
int CreateNewFile(const std::filesystem::path& file);

// Gives the finished file `temp` the name `file` in one step, unless `file` exists: then fails and
// leaves both alone.
bool RenameWithoutReplacing(const std::filesystem::path& temp, const std::filesystem::path& file);

// Bytes still free for an ordinary user on the file system of `fd`.
std::uint64_t FreeBytes(int fd);

}  // namespace vidmora
