#include "platform/camera_catalog.h"

#include <gst/gst.h>

#include <memory>

#include "platform/camera_feed.h"
#include "platform/camera_synthetic.h"
#include "platform/gst_init.h"

namespace vidmora {

namespace {

using DeviceRef = std::shared_ptr<GstDevice>;

DeviceRef Hold(GstDevice* d) { return DeviceRef(d, [](GstDevice* p) { gst_object_unref(p); }); }

// A started monitor for one device class; it keeps its list current as devices come and go.
GstDeviceMonitor* Monitor(const char* deviceClass) {
  GstDeviceMonitor* monitor = gst_device_monitor_new();
  gst_device_monitor_add_filter(monitor, deviceClass, nullptr);
  if (!gst_device_monitor_start(monitor)) {
    gst_object_unref(monitor);
    return nullptr;
  }
  return monitor;
}

std::vector<DeviceRef> Devices(const char* deviceClass) {
  EnsureGstreamer();
  // Started once and kept for the life of the program.
  static GstDeviceMonitor* video = Monitor("Video/Source");
  static GstDeviceMonitor* audio = nullptr;
  GstDeviceMonitor* monitor = video;
  if (std::string(deviceClass) == "Audio/Source") {
    if (!audio) audio = Monitor("Audio/Source");
    monitor = audio;
  }
  std::vector<DeviceRef> out;
  if (!monitor) return out;
  GList* list = gst_device_monitor_get_devices(monitor);
  for (GList* l = list; l; l = l->next) out.push_back(Hold(GST_DEVICE(l->data)));
  g_list_free(list);
  return out;
}

std::string Property(GstDevice* device, const char* name) {
  std::string value;
  if (GstStructure* props = gst_device_get_properties(device)) {
    if (const gchar* v = gst_structure_get_string(props, name)) value = v;
    gst_structure_free(props);
  }
  return value;
}

// Same camera across unplug and replug, even when it comes back under another /dev/video node.
std::string IdentityOf(GstDevice* device) {
  gchar* name = gst_device_get_display_name(device);
  std::string id = "device:" + std::string(name ? name : "");
  g_free(name);
  std::string bus = Property(device, "api.v4l2.cap.bus_info");
  if (bus.empty()) bus = Property(device, "device.path");
  return bus.empty() ? id : id + "@" + bus;
}

Camera RealCamera(const DeviceRef& device, const DeviceRef& microphone) {
  Camera c;
  c.id = IdentityOf(device.get());
  gchar* name = gst_device_get_display_name(device.get());
  c.name = name ? name : "Camera";
  g_free(name);
  if (GstCaps* caps = gst_device_get_caps(device.get())) {
    c.modes = ModesFromCaps(caps);
    gst_caps_unref(caps);
  }
  c.defaultMode = PreferredMode(c.modes);
  c.makeSource = [device](const CameraMode&) { return gst_device_create_element(device.get(), "camera"); };
  if (microphone) {
    c.microphoneId = IdentityOf(microphone.get());
    c.makeMicrophone = [microphone] { return gst_device_create_element(microphone.get(), "microphone"); };
  }
  return c;
}

}  // namespace

std::vector<Camera> ListCameras() {
  std::vector<Camera> cameras;
  std::vector<DeviceRef> video = Devices("Video/Source");
  if (!video.empty()) {
    // Real cameras record sound from the machine's first audio input (not a sound server's
    // monitor of its own output).
    DeviceRef microphone;
    for (const DeviceRef& d : Devices("Audio/Source"))
      if (Property(d.get(), "device.class") != "monitor") {
        microphone = d;
        break;
      }
    for (const DeviceRef& d : video) cameras.push_back(RealCamera(d, microphone));
  }
  for (Camera& c : SyntheticCameras()) cameras.push_back(std::move(c));
  return cameras;
}

std::optional<Camera> FindCamera(const std::string& id) {
  for (Camera& c : ListCameras())
    if (c.id == id) return std::move(c);
  return std::nullopt;
}

void SetTestCameraPlugged(int number, bool plugged) {
  SetSyntheticCameraPlugged(number, plugged);
  if (!plugged) {
    FailLiveFeed("test:" + std::to_string(number), "camera unplugged");
    FailLiveFeed("test-microphone:" + std::to_string(number), "microphone unplugged");
  }
}

}  // namespace vidmora
