#include "platform/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace vidmora {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: jump back out instead
// of letting the default handler end the process.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

void OnJpegError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1); }
void OnJpegMessage(j_common_ptr, int) {}  // warnings about damaged data are not worth a word

}  // namespace

std::optional<RgbImage> DecodeJpeg(std::span<const unsigned char> jpeg) {
  if (jpeg.empty()) return std::nullopt;
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnJpegError;
  errors.base.emit_message = OnJpegMessage;
  // Reached through a pointer fixed before the jump point: locals changed after setjmp have no
  // defined value once longjmp returns there.
  const auto image = std::make_unique<RgbImage>();
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return std::nullopt;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  image->width = static_cast<int>(info.output_width);
  image->height = static_cast<int>(info.output_height);
  const std::size_t stride = static_cast<std::size_t>(image->width) * 3;
  image->rgb.resize(stride * image->height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image->rgb.data() + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return std::move(*image);
}

}  // namespace vidmora
