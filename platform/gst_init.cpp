#include "platform/gst_init.h"

#include <gst/gst.h>

namespace vidmora {

void EnsureGstreamer() {
  static const bool initialised = [] {
    gst_init(nullptr, nullptr);
    return true;
  }();
  (void)initialised;
}

}  // namespace vidmora
