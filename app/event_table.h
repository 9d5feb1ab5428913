#pragma once
#include <span>

#include "platform/window_description.h"

namespace vidmora {

// Which handler each event of the two windows reaches. No other event has a handler.
std::span<const EventBinding> EventTable();

}  // namespace vidmora
