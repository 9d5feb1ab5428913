#include "recording/snapshot_handler.h"

namespace vidmora {

void OnSnapshotClicked(System&) {}

}  // namespace vidmora
