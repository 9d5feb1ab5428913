#include "platform/camera_bitmap.h"

#include <gst/gst.h>
#include <gst/video/video.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QImage>
#include <QImageWriter>

#include "platform/camera_files.h"

namespace vidmora {

namespace {

// The frame as an RGB picture: Motion JPEG frames are decoded, raw ones converted by GStreamer.
QImage Picture(GstSample* frame) {
  GstCaps* caps = gst_sample_get_caps(frame);
  if (caps && gst_structure_has_name(gst_caps_get_structure(caps, 0), "image/jpeg")) {
    QImage picture;
    GstMapInfo map;
    GstBuffer* buffer = gst_sample_get_buffer(frame);
    if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
      picture = QImage::fromData(map.data, int(map.size), "JPG").convertToFormat(QImage::Format_RGB32);
      gst_buffer_unmap(buffer, &map);
    }
    return picture;
  }
  GstCaps* rgb = gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, "BGRx", nullptr);
  GError* error = nullptr;
  GstSample* converted = gst_video_convert_sample(frame, rgb, 2 * GST_SECOND, &error);
  gst_caps_unref(rgb);
  if (error) g_error_free(error);
  if (!converted) return {};
  QImage picture;
  GstVideoInfo info;
  GstBuffer* buffer = gst_sample_get_buffer(converted);
  GstMapInfo map;
  if (gst_video_info_from_caps(&info, gst_sample_get_caps(converted)) && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
    picture = QImage(map.data, info.width, info.height, GST_VIDEO_INFO_PLANE_STRIDE(&info, 0), QImage::Format_RGB32)
                  .copy();
    gst_buffer_unmap(buffer, &map);
  }
  gst_sample_unref(converted);
  return picture;
}

}  // namespace

bool SaveFrameAsBitmap(GstSample* frame, const std::filesystem::path& file) {
  if (!frame) return false;
  QImage picture = Picture(frame);
  if (picture.isNull()) return false;
  std::string temp = (file.parent_path() / ("." + file.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;  // the folder is missing or not writable
  ::fchmod(fd, 0644);
  QFile out;
  bool written = out.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
  if (written) {
    // Qt writes pictures without an alpha channel as 24-bit bitmaps.
    QImageWriter writer(&out, "bmp");
    written = writer.write(picture) && out.flush();
    out.close();
  } else {
    ::close(fd);
  }
  if (written && RenameWithoutReplacing(temp, file)) return true;
  ::unlink(temp.c_str());
  return false;
}

}  // namespace vidmora
