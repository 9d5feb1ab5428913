#pragma once

namespace vidmora {

// The program's two top-level windows. Controls are addressed by window and name;
// the empty name addresses the window itself.
enum class Window { Main, Help };

}  // namespace vidmora
