#include "platform/camera_mode.h"

#include <gst/gst.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace vidmora {

std::string CameraMode::text() const {
  char buf[96];
  if (fpsDen == 1)
    std::snprintf(buf, sizeof buf, "%dx%d %s %d fps", width, height, format.c_str(), fpsNum);
  else
    std::snprintf(buf, sizeof buf, "%dx%d %s %.2f fps", width, height, format.c_str(), double(fpsNum) / fpsDen);
  return buf;
}

GstCaps* CameraMode::caps() const {
  if (jpeg())
    return gst_caps_new_simple("image/jpeg", "width", G_TYPE_INT, width, "height", G_TYPE_INT, height, "framerate",
                               GST_TYPE_FRACTION, fpsNum, fpsDen, nullptr);
  return gst_caps_new_simple("video/x-raw", "format", G_TYPE_STRING, format.c_str(), "width", G_TYPE_INT, width,
                             "height", G_TYPE_INT, height, "framerate", GST_TYPE_FRACTION, fpsNum, fpsDen, nullptr);
}

namespace {

// The values of a field that is a single value or a list of values; ranges yield nothing.
template <typename Fn>
void EachValue(const GValue* v, Fn fn) {
  if (!v) return;
  if (GST_VALUE_HOLDS_LIST(v)) {
    for (guint i = 0; i < gst_value_list_get_size(v); ++i) fn(gst_value_list_get_value(v, i));
  } else {
    fn(v);
  }
}

void AddRates(const GValue* rates, CameraMode mode, std::vector<CameraMode>& out) {
  if (rates && GST_VALUE_HOLDS_FRACTION_RANGE(rates)) rates = gst_value_get_fraction_range_max(rates);
  if (!rates) {
    out.push_back(mode);
    return;
  }
  EachValue(rates, [&](const GValue* r) {
    if (!GST_VALUE_HOLDS_FRACTION(r) || gst_value_get_fraction_numerator(r) <= 0) return;
    mode.fpsNum = gst_value_get_fraction_numerator(r);
    mode.fpsDen = gst_value_get_fraction_denominator(r);
    out.push_back(mode);
  });
}

}  // namespace

std::vector<CameraMode> ModesFromCaps(const GstCaps* caps) {
  std::vector<CameraMode> modes;
  if (!caps) return modes;
  for (guint i = 0; i < gst_caps_get_size(caps); ++i) {
    const GstStructure* s = gst_caps_get_structure(caps, i);
    CameraMode mode;
    if (!gst_structure_get_int(s, "width", &mode.width) || !gst_structure_get_int(s, "height", &mode.height))
      continue;  // only discrete sizes, as cameras list them
    const GValue* rates = gst_structure_get_value(s, "framerate");
    if (gst_structure_has_name(s, "image/jpeg")) {
      mode.format = "MJPG";
      AddRates(rates, mode, modes);
    } else if (gst_structure_has_name(s, "video/x-raw")) {
      EachValue(gst_structure_get_value(s, "format"), [&](const GValue* f) {
        if (!G_VALUE_HOLDS_STRING(f)) return;
        mode.format = g_value_get_string(f);
        AddRates(rates, mode, modes);
      });
    }
  }
  auto key = [](const CameraMode& m) {
    return std::make_tuple(m.width * m.height, m.width, m.jpeg(), m.format, -double(m.fpsNum) / m.fpsDen);
  };
  std::sort(modes.begin(), modes.end(), [&](const auto& a, const auto& b) { return key(a) < key(b); });
  modes.erase(std::unique(modes.begin(), modes.end()), modes.end());
  return modes;
}

CameraMode PreferredMode(const std::vector<CameraMode>& modes) {
  if (modes.empty()) return {};
  for (const CameraMode& m : modes)
    if (m.width == 640 && m.height == 480) return m;  // the first such is raw if raw exists, at the highest rate
  return modes.front();
}

}  // namespace vidmora
