#pragma once
#include "platform/system.h"

namespace vidmora {

// Record (录像按钮), per-camera record (录像按钮1), Stop (停止按钮) and the four segment timers.
void OnRecordClicked(System&);
void OnCameraRecordClicked(System&);
void OnStopClicked(System&);
void OnTimer1Tick(System&);
void OnTimer2Tick(System&);
void OnTimer3Tick(System&);
void OnTimer4Tick(System&);

}  // namespace vidmora
