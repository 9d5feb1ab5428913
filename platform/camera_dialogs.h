#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/camera_compression.h"
#include "platform/camera_mode.h"

class QDialog;
class QWidget;
typedef struct _GstElement GstElement;

namespace vidmora {

// The capture driver's three dialogs. Each is modal (the GUI thread keeps dispatching events while
// it is open) and returns false on Cancel, changing nothing. Names for finding them:
// "cameraSourceDialog" (combo box "camera", one slider per image control, named after it in lower
// case), "cameraFormatDialog" (combo box "mode"), "cameraCompressionDialog" (combo box
// "compressor", spin boxes "quality", "bitrate" and "keyInterval").

// Which camera to show, and the image controls (brightness, contrast, ...) of the camera shown now.
bool RunSourceDialog(QWidget* parent, const std::vector<std::string>& cameras, int& chosen,
                     GstElement* imageControls);
bool RunFormatDialog(QWidget* parent, const std::vector<CameraMode>& modes, CameraMode& chosen);
bool RunCompressionDialog(QWidget* parent, Compression& chosen);
// Asks before a capture starts ("cameraConfirmDialog"); true on OK.
bool RunConfirmCaptureDialog(QWidget* parent);

// For tests and unattended runs: called with every driver dialog once it is open, inside its modal
// loop; it may change the fields and accept or reject the dialog. An empty function removes it.
void SetCameraDialogHook(std::function<void(QDialog&)> hook);

}  // namespace vidmora
