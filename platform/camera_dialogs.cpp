#include "platform/camera_dialogs.h"

#include <gst/video/colorbalance.h>

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace vidmora {

namespace {

std::function<void(QDialog&)>& Hook() {
  static std::function<void(QDialog&)> hook;
  return hook;
}

// A dialog with a form and OK/Cancel; the caller fills the form.
QDialog* NewDialog(QWidget* parent, const char* name, const QString& title, QFormLayout*& form) {
  auto* dialog = new QDialog(parent ? parent->window() : nullptr);
  dialog->setObjectName(name);
  dialog->setWindowTitle(title);
  dialog->setModal(true);
  auto* layout = new QVBoxLayout(dialog);
  form = new QFormLayout;
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
  return dialog;
}

// Runs the dialog modally. False on Cancel, and when the dialog went away with its window.
bool Exec(QPointer<QDialog>& dialog) {
  if (Hook()) {
    auto hook = Hook();
    QTimer::singleShot(0, dialog, [dialog, hook] {
      if (dialog) hook(*dialog);
    });
  }
  const bool accepted = dialog->exec() == QDialog::Accepted;
  return accepted && dialog;
}

QComboBox* Combo(QDialog* dialog, const char* name) {
  auto* combo = new QComboBox(dialog);
  combo->setObjectName(name);
  return combo;
}

QSpinBox* Spin(QDialog* dialog, const char* name, int low, int high, int value) {
  auto* spin = new QSpinBox(dialog);
  spin->setObjectName(name);
  spin->setRange(low, high);
  spin->setValue(value);
  return spin;
}

}  // namespace

void SetCameraDialogHook(std::function<void(QDialog&)> hook) { Hook() = std::move(hook); }

bool RunSourceDialog(QWidget* parent, const std::vector<std::string>& cameras, int& chosen,
                     GstElement* imageControls) {
  QFormLayout* form = nullptr;
  QPointer<QDialog> dialog = NewDialog(parent, "cameraSourceDialog", QString::fromUtf8("视频源"), form);
  QComboBox* list = Combo(dialog, "camera");
  for (const std::string& name : cameras) list->addItem(QString::fromStdString(name));
  list->setCurrentIndex(chosen);
  form->addRow(QString::fromUtf8("摄像头"), list);

  std::vector<std::pair<GstColorBalanceChannel*, QSlider*>> controls;
  if (imageControls && GST_IS_COLOR_BALANCE(imageControls)) {
    GstColorBalance* balance = GST_COLOR_BALANCE(imageControls);
    for (const GList* l = gst_color_balance_list_channels(balance); l; l = l->next) {
      auto* channel = GST_COLOR_BALANCE_CHANNEL(l->data);
      auto* slider = new QSlider(Qt::Horizontal, dialog);
      QString label = QString::fromUtf8(channel->label);
      slider->setObjectName(label.toLower());
      slider->setRange(channel->min_value, channel->max_value);
      slider->setValue(gst_color_balance_get_value(balance, channel));
      form->addRow(label, slider);
      controls.emplace_back(channel, slider);
    }
  }
  bool accepted = Exec(dialog);
  if (accepted) {
    chosen = list->currentIndex();
    for (auto& [channel, slider] : controls)
      gst_color_balance_set_value(GST_COLOR_BALANCE(imageControls), channel, slider->value());
  }
  delete dialog;
  return accepted;
}

bool RunFormatDialog(QWidget* parent, const std::vector<CameraMode>& modes, CameraMode& chosen) {
  QFormLayout* form = nullptr;
  QPointer<QDialog> dialog = NewDialog(parent, "cameraFormatDialog", QString::fromUtf8("视频格式"), form);
  QComboBox* list = Combo(dialog, "mode");
  for (const CameraMode& m : modes) {
    list->addItem(QString::fromStdString(m.text()));
    if (m == chosen) list->setCurrentIndex(list->count() - 1);
  }
  form->addRow(QString::fromUtf8("分辨率和像素格式"), list);
  bool accepted = Exec(dialog);
  if (accepted && list->currentIndex() >= 0) chosen = modes[list->currentIndex()];
  delete dialog;
  return accepted;
}

bool RunCompressionDialog(QWidget* parent, Compression& chosen) {
  QFormLayout* form = nullptr;
  QPointer<QDialog> dialog = NewDialog(parent, "cameraCompressionDialog", QString::fromUtf8("视频压缩"), form);
  QComboBox* list = Combo(dialog, "compressor");
  for (auto kind : {Compression::Uncompressed, Compression::MotionJpeg, Compression::Mpeg4})
    list->addItem(QString::fromUtf8(Compression::Name(kind)), int(kind));
  list->setCurrentIndex(list->findData(int(chosen.kind)));
  QSpinBox* quality = Spin(dialog, "quality", 1, 100, chosen.jpegQuality);
  QSpinBox* bitrate = Spin(dialog, "bitrate", 100, 20000, chosen.bitrateKbps);
  bitrate->setSuffix(" kbit/s");
  QSpinBox* keyInterval = Spin(dialog, "keyInterval", 1, 600, chosen.keyFrameInterval);
  form->addRow(QString::fromUtf8("压缩程序"), list);
  form->addRow(QString::fromUtf8("JPEG 质量"), quality);
  form->addRow(QString::fromUtf8("数据速率"), bitrate);
  form->addRow(QString::fromUtf8("关键帧间隔"), keyInterval);
  bool accepted = Exec(dialog);
  if (accepted) {
    chosen.kind = Compression::Kind(list->currentData().toInt());
    chosen.jpegQuality = quality->value();
    chosen.bitrateKbps = bitrate->value();
    chosen.keyFrameInterval = keyInterval->value();
  }
  delete dialog;
  return accepted;
}

bool RunConfirmCaptureDialog(QWidget* parent) {
  QFormLayout* form = nullptr;
  QPointer<QDialog> dialog = NewDialog(parent, "cameraConfirmDialog", QString::fromUtf8("录像"), form);
  form->addRow(new QLabel(QString::fromUtf8("按“确定”开始录像。"), dialog));
  bool accepted = Exec(dialog);
  delete dialog;
  return accepted;
}

}  // namespace vidmora
