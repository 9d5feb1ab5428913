#include "platform/camera_files.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

namespace vidmora {

int CreateNewFile(const std::filesystem::path& file) {
  return ::open(file.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
}

bool RenameWithoutReplacing(const std::filesystem::path& temp, const std::filesystem::path& file) {
  if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, file.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without RENAME_NOREPLACE: a hard link fails on an existing name as well.
  if (::link(temp.c_str(), file.c_str()) != 0) return false;
  ::unlink(temp.c_str());
  return true;
}

std::uint64_t FreeBytes(int fd) {
  struct statvfs s {};
  if (::fstatvfs(fd, &s) != 0) return UINT64_MAX;
  return std::uint64_t(s.f_bavail) * s.f_frsize;
}

}  // namespace vidmora
