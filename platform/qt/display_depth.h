// Qt draws nothing on an X11 display of fewer than 15 bits per pixel (a palette display): the
// window stays black. Such a display is refused in words the player can read.
#pragma once

namespace orbello::platform {

// The least depth, in bits per pixel, that Qt's windows can be drawn on.
inline constexpr int kLeastDisplayDepth = 15;

// Once the QApplication exists, on X11: when the display's default depth is below
// kLeastDisplayDepth, says so on stderr and in a plain X11 message box (which needs no colours
// but black and white), and returns false; the program then ends with status 1. True on any other
// display or platform.
bool DisplayDepthSupported();

}  // namespace orbello::platform
