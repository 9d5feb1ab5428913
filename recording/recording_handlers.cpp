#include "recording/recording_handlers.h"

namespace vidmora {

void OnRecordClicked(System&) {}
void OnCameraRecordClicked(System&) {}
void OnStopClicked(System&) {}
void OnTimer1Tick(System&) {}
void OnTimer2Tick(System&) {}
void OnTimer3Tick(System&) {}
void OnTimer4Tick(System&) {}

}  // namespace vidmora
