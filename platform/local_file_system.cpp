#include "platform/local_file_system.h"

#include <sys/stat.h>

#include "platform/native_path.h"

namespace vidmora {

bool LocalFileSystem::IsDirectory(std::string_view path) const {
  struct stat st {};
  return ::stat(NativePath(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool LocalFileSystem::MakeDirectory(std::string_view path) {
  return ::mkdir(NativePath(path).c_str(), 0777) == 0;
}

// lstat: a dangling link counts as taken too, so nothing is ever written through it.
bool LocalFileSystem::Exists(std::string_view path) const {
  struct stat st {};
  return ::lstat(NativePath(path).c_str(), &st) == 0;
}

}  // namespace vidmora
