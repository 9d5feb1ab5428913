#pragma once
#include <optional>

namespace vidmora {

// The X keysym of a desktop virtual-key code (112 = F1, 'A' = A, ...); 0 for a key without one.
unsigned long KeysymForVirtualKey(int key);

// The X modifier mask of hotkey modifier bits (Alt, Control, Shift, Win); none when the bits hold
// something X cannot express.
std::optional<unsigned> X11ModifierMask(int modifierBits);

}  // namespace vidmora
