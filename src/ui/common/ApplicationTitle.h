#pragma once

namespace amsaview {

// The caption of every window and message box.
inline constexpr char kApplicationTitle[] = "Amsaview v1.80";

}  // namespace amsaview
