#include "recording/segment.h"

#include <string>

#include "capture/camera_slots.h"
#include "recording/capture_file_name.h"
#include "recording/capture_folders.h"
#include "recording/date_text.h"

namespace vidmora {

void StartSegment(System& sys, int slot) {
  const DateTime now = CurrentTime(sys);
  EnsureDateFolder(sys.fs, RecordingsBase, now);
  const std::string name = FirstFreeName(sys.fs, CaptureFileName(RecordingsBase, slot, RecordingExtension, now));
  Device(sys, slot).StartCapture(false, name, kFramePeriodMs, false, false, false, kCaptureLimitSeconds);
}

}  // namespace vidmora
