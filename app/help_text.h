#pragma once
#include <string_view>

namespace vidmora {

// The text of HelpWindow's label: fifteen lines, each ended by CR LF. Lines 3, 5, 6, 8, 9, 14 and
// 15 use full-width colons, commas and parentheses; lines 11 and 12 use ASCII colons.
inline constexpr std::string_view kHelpText =
    "请先安装XviD-1.1.3-28062007.exe\r\n"
    "\r\n"
    "来源：选择摄像头来源，有多个摄像头时使用\r\n"
    "\r\n"
    "拍照：保存当前画面，照片存放位置\r\n"
    "      （D:\\摄像头拍照\\当前日期\\当前时间.bmp）\r\n"
    "\r\n"
    "录像：录制当前画面，支持语音同步，视频存放位置\r\n"
    "      （D:\\Vidmora\\当前日期\\当前时间.avi）\r\n"
    "\r\n"
    "      视频格式:选择 320X240 其它默认\r\n"
    "      视频压缩:选择 Xvid MPEG-4 Codec\r\n"
    "\r\n"
    "停止：停止视频录制\r\n"
    "置顶：画面一直处在前面，一般监控时使用\r\n";

}  // namespace vidmora
