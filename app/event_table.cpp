#include "app/event_table.h"

#include "app/startup_handlers.h"
#include "controls/always_on_top.h"
#include "controls/camera_count.h"
#include "controls/hide_window.h"
#include "controls/source_buttons.h"
#include "recording/recording_handlers.h"
#include "recording/snapshot_handler.h"

namespace vidmora {
namespace {

// 视频设备1's per-frame notification has an empty handler, so it has no row here.
constexpr EventBinding kEvents[] = {
    {Window::Main, "",             Event::Created,         OnMainWindowCreated},
    {Window::Main, "",             Event::WillBeDestroyed, OnMainWindowWillBeDestroyed},
    {Window::Main, "摄像头数",     Event::Clicked,         OnCameraCountClicked},
    {Window::Main, "录像按钮",     Event::Clicked,         OnRecordClicked},
    {Window::Main, "录像按钮1",    Event::Clicked,         OnCameraRecordClicked},
    {Window::Main, "停止按钮",     Event::Clicked,         OnStopClicked},
    {Window::Main, "时钟1",        Event::Tick,            OnTimer1Tick},
    {Window::Main, "时钟2",        Event::Tick,            OnTimer2Tick},
    {Window::Main, "时钟3",        Event::Tick,            OnTimer3Tick},
    {Window::Main, "时钟4",        Event::Tick,            OnTimer4Tick},
    {Window::Main, "拍照按钮",     Event::Clicked,         OnSnapshotClicked},
    {Window::Main, "来源按钮",     Event::Clicked,         OnSourceClicked},
    {Window::Main, "来源设置按钮", Event::Clicked,         OnSourceSettingsClicked},
    {Window::Main, "置顶按钮",     Event::Clicked,         OnAlwaysOnTopClicked},
    {Window::Main, "标签2",        Event::RightPress,      OnHideLabelRightPressed},
    {Window::Main, "标签1",        Event::Feedback,        OnHiddenLabelFeedback},
    {Window::Help, "",             Event::Created,         OnHelpWindowCreated},
    {Window::Help, "图片框1",      Event::LeftPress,       OnHelpPicturePressed},
    {Window::Help, "图片框2",      Event::LeftPress,       OnHelpPicturePressed},
};

}  // namespace

std::span<const EventBinding> EventTable() { return kEvents; }

}  // namespace vidmora
