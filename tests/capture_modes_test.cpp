// A real camera's modes as its caps list them: discrete sizes, rate lists and ranges, raw and JPEG.
#include <gst/gst.h>
#include <gtest/gtest.h>

#include "platform/camera_mode.h"
#include "platform/gst_init.h"

namespace vidmora {
namespace {

std::vector<std::string> Texts(const char* capsText) {
  EnsureGstreamer();
  GstCaps* caps = gst_caps_from_string(capsText);
  std::vector<std::string> texts;
  for (const CameraMode& m : ModesFromCaps(caps)) texts.push_back(m.text());
  gst_caps_unref(caps);
  return texts;
}

TEST(CameraModes, AreReadFromAWebcamsCaps) {
  // What a typical UVC webcam reports through v4l2src.
  const char* webcam =
      "image/jpeg, width=(int)1280, height=(int)720, framerate=(fraction){ 30/1, 15/1 }; "
      "video/x-raw, format=(string)YUY2, width=(int)640, height=(int)480, framerate=(fraction){ 30/1, 15/1 }; "
      "video/x-raw, format=(string)YUY2, width=(int)320, height=(int)240, framerate=(fraction)30/1; "
      "image/jpeg, width=(int)640, height=(int)480, framerate=(fraction)30/1; "
      "video/x-raw, format=(string)YUY2, width=(int)[ 1, 2000 ], height=(int)[ 1, 2000 ]";  // no fixed size: left out
  EXPECT_EQ(Texts(webcam), (std::vector<std::string>{"320x240 YUY2 30 fps", "640x480 YUY2 30 fps",
                                                     "640x480 YUY2 15 fps", "640x480 MJPG 30 fps",
                                                     "1280x720 MJPG 30 fps", "1280x720 MJPG 15 fps"}));
}

TEST(CameraModes, RateRangesGiveTheirHighestRateAndFormatListsEachFormat) {
  EXPECT_EQ(Texts("video/x-raw, format=(string){ NV12, YUY2 }, width=(int)640, height=(int)360, "
                  "framerate=(fraction)[ 5/1, 60/1 ]"),
            (std::vector<std::string>{"640x360 NV12 60 fps", "640x360 YUY2 60 fps"}));
  EXPECT_EQ(Texts("video/x-raw, format=(string)YUY2, width=(int)160, height=(int)120, framerate=(fraction)30000/1001"),
            (std::vector<std::string>{"160x120 YUY2 29.97 fps"}));
  EXPECT_TRUE(Texts("video/x-bayer, width=(int)640, height=(int)480").empty());
}

TEST(CameraModes, TheStartingModeIs640x480RawWhenOffered) {
  EnsureGstreamer();
  GstCaps* caps = gst_caps_from_string(
      "image/jpeg, width=(int)640, height=(int)480, framerate=(fraction)30/1; "
      "video/x-raw, format=(string)YUY2, width=(int)640, height=(int)480, framerate=(fraction){ 30/1, 15/1 }; "
      "video/x-raw, format=(string)YUY2, width=(int)320, height=(int)240, framerate=(fraction)30/1");
  EXPECT_EQ(PreferredMode(ModesFromCaps(caps)).text(), "640x480 YUY2 30 fps");
  gst_caps_unref(caps);
  EXPECT_EQ(PreferredMode({{1920, 1080, "MJPG", 30, 1}}).text(), "1920x1080 MJPG 30 fps");
}

}  // namespace
}  // namespace vidmora
