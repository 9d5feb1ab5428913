#pragma once
#include "platform/file_system.h"

namespace vidmora {

// The real file system, through NativePath.
class LocalFileSystem : public FileSystem {
 public:
  bool IsDirectory(std::string_view path) const override;
  bool MakeDirectory(std::string_view path) override;
  bool Exists(std::string_view path) const override;
};

}  // namespace vidmora
