#pragma once

namespace vidmora {

// Initialises GStreamer on first use; later calls do nothing.
void EnsureGstreamer();

}  // namespace vidmora
