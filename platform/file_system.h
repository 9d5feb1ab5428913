#pragma once
#include <string_view>

namespace vidmora {

// The two file-system questions the program asks. Paths are in the program's own form
// ("d:\Vidmora\..."); the implementation maps them onto the real file system.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool IsDirectory(std::string_view path) const = 0;
  // Creates one directory level; fails when the parent is missing or the name is taken.
  virtual bool MakeDirectory(std::string_view path) = 0;
  // Whether anything, file or directory, bears the name. A file system that holds only
  // directories can keep this default.
  virtual bool Exists(std::string_view path) const { return IsDirectory(path); }
};

}  // namespace vidmora
