#pragma once
#include <functional>

namespace vidmora {

// Runs `end` on the GUI thread when the process is asked to terminate (SIGTERM, SIGINT, SIGHUP:
// logout, shutdown, Ctrl+C in a terminal), so that the program ends the orderly way and every
// running recording is closed into a playable file instead of being cut off. Call once.
void OnTerminationRequest(std::function<void()> end);

}  // namespace vidmora
