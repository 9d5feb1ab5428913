#pragma once
#include <cstdint>

namespace vidmora {

// The feedback message a label understands: sent synchronously to the label whose native handle
// is given, it raises the label's feedback event with (a, b) before this returns.
inline constexpr int kLabelFeedbackMessage = 32885;
bool SendLabelFeedback(std::uintptr_t labelHandle, long a, long b);

}  // namespace vidmora
