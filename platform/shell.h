#pragma once
#include <string_view>

namespace vidmora {

// Hands a web address or a folder path to the desktop's default handler. Does not wait for it.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual bool OpenUrl(std::string_view text) = 0;
};

}  // namespace vidmora
