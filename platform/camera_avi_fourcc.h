#pragma once

namespace vidmora {

// Labels the finished AVI on `fd` as Xvid: the muxer tags MPEG-4 (ASP) video "DIVX", while
// players and codec packs look for "XVID" to pick the Xvid decoder the help text names. Only
// the two four-byte codes in the video stream's header change; false when they are not found.
bool LabelMpeg4AsXvid(int fd);

}  // namespace vidmora
