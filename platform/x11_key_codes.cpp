#include "platform/x11_key_codes.h"

#include <X11/X.h>
#include <X11/keysym.h>

#include "platform/hotkey_platform.h"

namespace vidmora {

namespace {

struct KeyName {
  int key;
  unsigned long keysym;
};

// Virtual-key codes that are not part of a contiguous run below.
constexpr KeyName kSingleKeys[] = {
    {0x08, XK_BackSpace}, {0x09, XK_Tab},      {0x0D, XK_Return},      {0x13, XK_Pause},
    {0x1B, XK_Escape},    {0x20, XK_space},    {0x21, XK_Prior},       {0x22, XK_Next},
    {0x23, XK_End},       {0x24, XK_Home},     {0x25, XK_Left},        {0x26, XK_Up},
    {0x27, XK_Right},     {0x28, XK_Down},     {0x2C, XK_Print},       {0x2D, XK_Insert},
    {0x2E, XK_Delete},    {0x6A, XK_KP_Multiply}, {0x6B, XK_KP_Add},   {0x6D, XK_KP_Subtract},
    {0x6E, XK_KP_Decimal}, {0x6F, XK_KP_Divide},
};

// The switch that suppresses auto-repeated presses; X grabs have no such option, so it is dropped.
constexpr int kModNoRepeat = 0x4000;

}  // namespace

unsigned long KeysymForVirtualKey(int key) {
  if (key >= '0' && key <= '9') return XK_0 + (key - '0');
  if (key >= 'A' && key <= 'Z') return XK_a + (key - 'A');
  if (key >= 0x60 && key <= 0x69) return XK_KP_0 + (key - 0x60);
  if (key >= 0x70 && key <= 0x87) return XK_F1 + (key - 0x70);
  for (const KeyName& k : kSingleKeys)
    if (k.key == key) return k.keysym;
  return NoSymbol;
}

std::optional<unsigned> X11ModifierMask(int modifierBits) {
  const int known = kModAlt | kModControl | kModShift | kModWin;
  const int bits = modifierBits & ~kModNoRepeat;
  if (bits & ~known) return std::nullopt;
  unsigned mask = 0;
  if (bits & kModAlt) mask |= Mod1Mask;
  if (bits & kModControl) mask |= ControlMask;
  if (bits & kModShift) mask |= ShiftMask;
  if (bits & kModWin) mask |= Mod4Mask;
  return mask;
}

}  // namespace vidmora
