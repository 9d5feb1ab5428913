#pragma once

namespace vidmora {

// What a device shows over its picture when a capture could not start or ended badly.
inline constexpr const char* kFailureNoCamera = "没有摄像头";
inline constexpr const char* kFailureNoWindow = "没有视频窗口";
inline constexpr const char* kFailureFileExists = "录像文件已存在";
inline constexpr const char* kFailureCannotCreate = "无法创建录像文件";
inline constexpr const char* kFailureDiskFull = "磁盘已满，录像已停止";
inline constexpr const char* kFailureCameraLost = "摄像头已断开，录像已停止";
inline constexpr const char* kFailureRecorder = "录像出错：";
inline constexpr const char* kFailureCaptureRunning = "录像正在进行";
inline constexpr const char* kFailureCancelled = "录像已取消";
inline constexpr const char* kFailureNoFrame = "没有画面可保存";
inline constexpr const char* kFailureCannotSave = "无法保存图片";
inline constexpr const char* kFailureNoDialog = "驱动没有此对话框";
inline constexpr const char* kFailureBadSource = "驱动编号无效";
inline constexpr const char* kCameraGone = "摄像头已断开";

}  // namespace vidmora
