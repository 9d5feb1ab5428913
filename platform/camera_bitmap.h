#pragma once
#include <filesystem>

typedef struct _GstSample GstSample;

namespace vidmora {

// Writes the frame as a 24-bit BMP at its own size. The picture goes to a temporary name in the
// same folder first and then takes its name in one step, so no half-written file ever carries it;
// an existing file is never replaced. Creates no folders.
bool SaveFrameAsBitmap(GstSample* frame, const std::filesystem::path& file);

}  // namespace vidmora
