// How a registration's modifier code and key reach the X server.
#include <gtest/gtest.h>
// After gtest: X.h defines None.
#include <X11/X.h>
#include <X11/keysym.h>

#include "platform/hotkey_service.h"
#include "platform/x11_key_codes.h"

namespace vidmora {
namespace {

TEST(HotkeyKeys, ModifierCodesBecomeModifierBits) {
  struct Case {
    int code, bits;
  } cases[] = {
      {1, kModControl},          {2, kModShift},          {3, kModControl | kModShift}, {4, kModAlt},
      {5, kModControl | kModAlt}, {6, kModShift | kModAlt}, {0, 0},  // other codes pass on unchanged
      {7, 7},                    {8, kModWin},            {-1, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(ModifierBits(c.code), c.bits) << "code " << c.code;
}

TEST(HotkeyKeys, ModifierBitsBecomeXMasks) {
  EXPECT_EQ(X11ModifierMask(kModShift), ShiftMask);
  EXPECT_EQ(X11ModifierMask(kModControl | kModAlt), ControlMask | Mod1Mask);
  EXPECT_EQ(X11ModifierMask(kModWin), Mod4Mask);
  EXPECT_EQ(X11ModifierMask(0), 0u);
  EXPECT_EQ(X11ModifierMask(kModShift | 0x4000), ShiftMask) << "no-repeat switch has no X equivalent";
  EXPECT_EQ(X11ModifierMask(16), std::nullopt);
  EXPECT_EQ(X11ModifierMask(-1), std::nullopt);
}

TEST(HotkeyKeys, VirtualKeysBecomeKeysyms) {
  struct Case {
    int key;
    unsigned long keysym;
  } cases[] = {
      {112, XK_F1},   {135, XK_F24}, {'A', XK_a},       {'Z', XK_z},        {'0', XK_0},
      {'9', XK_9},    {0x1B, XK_Escape}, {0x60, XK_KP_0}, {'a', XK_KP_1} /* virtual keys have no lower case */, {0x6F, XK_KP_Divide}, {0x2E, XK_Delete},
      {0, NoSymbol},  {0x3A, NoSymbol}, {136, NoSymbol},  {-5, NoSymbol},
  };
  for (const Case& c : cases) EXPECT_EQ(KeysymForVirtualKey(c.key), c.keysym) << "key " << c.key;
}

}  // namespace
}  // namespace vidmora
