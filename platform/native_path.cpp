#include "platform/native_path.h"

#include <cstdlib>
#include <string>

namespace vidmora {

std::filesystem::path NativePath(std::string_view programPath) {
  std::string path(programPath);
  for (char& c : path)
    if (c == '\\') c = '/';
  if (path.size() >= 2 && (path[0] == 'd' || path[0] == 'D') && path[1] == ':') {
    const char* home = std::getenv("HOME");
    path = std::string(home && *home ? home : "/") + path.substr(2);
  }
  return std::filesystem::path(path);
}

}  // namespace vidmora
