#include "platform/camera_avi_fourcc.h"

#include <unistd.h>

#include <cstring>
#include <string>

namespace vidmora {

bool LabelMpeg4AsXvid(int fd) {
  std::string header(8192, '\0');  // the stream headers sit at the start of the file
  const ssize_t n = ::pread(fd, header.data(), header.size(), 0);
  if (n <= 0) return false;
  header.resize(size_t(n));
  // "strh", its size, then the stream type: the video stream's header.
  size_t strh = header.find("strh");
  while (strh != std::string::npos && header.compare(strh + 8, 4, "vids") != 0) strh = header.find("strh", strh + 4);
  const size_t strf = strh == std::string::npos ? strh : header.find("strf", strh);
  if (strf == std::string::npos || strf + 28 > header.size()) return false;
  const size_t handler = strh + 12, compression = strf + 24;  // fccHandler, biCompression
  if (header.compare(handler, 4, "DIVX") != 0 || header.compare(compression, 4, "DIVX") != 0) return false;
  return ::pwrite(fd, "XVID", 4, off_t(handler)) == 4 && ::pwrite(fd, "XVID", 4, off_t(compression)) == 4;
}

}  // namespace vidmora
