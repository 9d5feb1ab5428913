#include "app/window_descriptions.h"

#include "app/help_text.h"
#include "app/pictures.h"

namespace vidmora {
namespace {

using K = ControlKind;
constexpr bool kShown = true, kHidden = false, kEnabled = false;

// First row on top of all others, last row at the bottom. The picture boxes frame the previews,
// one pixel larger on every side; 标签2 shows only where the frames leave gaps between them.
constexpr ControlDescription kMainControls[] = {
    // name            kind            left top  w    h    parent     visible  disabled  text         border             period
    {"时钟4",          K::Timer,       656, 168, 26,  26,  "",        kHidden, kEnabled, "",          Border::None,       0},
    {"时钟3",          K::Timer,       656, 144, 26,  26,  "",        kHidden, kEnabled, "",          Border::None,       0},
    {"时钟2",          K::Timer,       656, 120, 26,  26,  "",        kHidden, kEnabled, "",          Border::None,       0},
    {"录像按钮1",      K::Button,      544, 9,   44,  24,  "",        kShown,  kEnabled, "录像",      Border::None,       0},
    {"标签4",          K::Label,       656, 72,  80,  24,  "",        kShown,  kEnabled, "",          Border::None,       0},
    {"标签3",          K::Label,       656, 40,  32,  24,  "",        kShown,  kEnabled, "",          Border::None,       0},
    {"镜头4单选框",    K::RadioButton, 487, 11,  50,  24,  "",        kHidden, kEnabled, "镜头4",     Border::None,       0},
    {"镜头3单选框",    K::RadioButton, 432, 11,  50,  24,  "",        kHidden, kEnabled, "镜头3",     Border::None,       0},
    {"镜头2单选框",    K::RadioButton, 378, 11,  50,  24,  "",        kHidden, kEnabled, "镜头2",     Border::None,       0},
    {"镜头1单选框",    K::RadioButton, 328, 11,  50,  24,  "",        kHidden, kEnabled, "镜头1",     Border::None,       0},
    {"来源按钮",       K::Button,      8,   10,  44,  24,  "",        kShown,  kEnabled, "来源",      Border::None,       0},
    {"来源设置按钮",   K::Button,      592, 9,   56,  24,  "",        kShown,  kEnabled, "来源设置",  Border::None,       0},
    {"图片框5",        K::PictureBox,  320, 0,   322, 242, "图片框4", kShown,  kEnabled, "",          Border::SingleLine, 0},
    {"视频设备3",      K::VideoDevice, 4,   285, 320, 240, "",        kShown,  kEnabled, "",          Border::None,       0},
    {"视频设备4",      K::VideoDevice, 329, 285, 320, 240, "",        kShown,  kEnabled, "",          Border::None,       0},
    {"视频设备2",      K::VideoDevice, 329, 40,  320, 240, "",        kShown,  kEnabled, "",          Border::None,       0},
    {"时钟1",          K::Timer,       656, 96,  26,  26,  "",        kHidden, kEnabled, "",          Border::None,       0},
    {"摄像头数",       K::Button,      273, 9,   52,  24,  "",        kShown,  kEnabled, "2摄像头",   Border::None,       0},
    {"置顶按钮",       K::Button,      220, 9,   44,  24,  "",        kShown,  kEnabled, "置顶",      Border::None,       0},
    {"停止按钮",       K::Button,      167, 9,   44,  24,  "",        kShown,  kEnabled, "停止",      Border::None,       0},
    {"录像按钮",       K::Button,      114, 9,   44,  24,  "",        kShown,  kEnabled, "录像",      Border::None,       0},
    {"拍照按钮",       K::Button,      61,  9,   44,  24,  "",        kShown,  kEnabled, "拍照",      Border::None,       0},
    {"视频设备1",      K::VideoDevice, 4,   40,  320, 240, "",        kShown,  kEnabled, "",          Border::None,       0},
    {"图片框1",        K::PictureBox,  3,   39,  322, 242, "",        kShown,  kEnabled, "",          Border::SingleLine, 0},
    {"图片框2",        K::PictureBox,  328, 39,  322, 242, "",        kShown,  kEnabled, "",          Border::SingleLine, 0},
    {"图片框6",        K::PictureBox,  3,   284, 322, 242, "",        kShown,  kEnabled, "",          Border::SingleLine, 0},
    {"图片框4",        K::PictureBox,  328, 284, 322, 242, "",        kShown,  kEnabled, "",          Border::SingleLine, 0},
    {"标签1",          K::Label,       341, 104, 80,  24,  "",        kHidden, kEnabled, "",          Border::None,       0},
    {"标签2",          K::Label,       288, 248, 80,  72,  "",        kShown,  kEnabled, ".",         Border::None,       0},
};

// The pictures arrive with the created handler.
constexpr ControlDescription kHelpControls[] = {
    {"图片框1", K::PictureBox, 6,   197, 106, 100, "", kShown, kEnabled, "", Border::Raised, 0},
    {"图片框2", K::PictureBox, 116, 197, 180, 100, "", kShown, kEnabled, "", Border::Raised, 0},
    {"标签1",   K::Label,      8,   8,   288, 184, "", kShown, kEnabled, kHelpText, Border::None, 0, true},
};

}  // namespace

const WindowDescription& MainWindowDescription() {
  static const WindowDescription d{Window::Main, "MainWindow", 333, 316, true, kProductTitle, ProgramIcon(), kMainControls};
  return d;
}

const WindowDescription& HelpWindowDescription() {
  static const WindowDescription d{Window::Help, "HelpWindow", 309, 339, false, "", ProgramIcon(), kHelpControls};
  return d;
}

const WindowDescription& Description(Window w) {
  return w == Window::Main ? MainWindowDescription() : HelpWindowDescription();
}

}  // namespace vidmora
