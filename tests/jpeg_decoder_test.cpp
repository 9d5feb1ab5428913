// The help pictures decode at their own sizes; damaged bytes give no picture (or a partial one),
// never a crash or an ended process.
#include <gtest/gtest.h>
#include <vector>

#include "app/pictures.h"
#include "platform/jpeg_decoder.h"

namespace vidmora {
namespace {

TEST(JpegDecoder, DecodesBothHelpPicturesAtTheirOwnSize) {
  for (auto [bytes, width, height] : {std::tuple{FirstHelpPicture(), 100, 100}, std::tuple{SecondHelpPicture(), 180, 100}}) {
    auto image = DecodeJpeg(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, width);
    EXPECT_EQ(image->height, height);
    EXPECT_EQ(image->rgb.size(), static_cast<std::size_t>(width * height * 3));
  }
}

TEST(JpegDecoder, DamagedBytesNeverEndTheProcess) {
  const auto picture = FirstHelpPicture();
  // Every cut through the file: before the frame header nothing decodes, after it a partial picture.
  for (std::size_t size = 0; size < picture.size(); size += 7) {
    auto image = DecodeJpeg(picture.first(size));
    if (image) {
      EXPECT_EQ(image->width, 100) << size;
    }
  }
  // Bytes flipped inside the header and the coded data.
  for (std::size_t at = 2; at < picture.size(); at += 13) {
    std::vector<unsigned char> damaged(picture.begin(), picture.end());
    damaged[at] ^= 0xA5;
    DecodeJpeg(damaged);
  }
  const unsigned char notAJpeg[] = "GIF89a, or anything else";
  EXPECT_FALSE(DecodeJpeg(notAJpeg));
  EXPECT_FALSE(DecodeJpeg({}));
}

}  // namespace
}  // namespace vidmora
