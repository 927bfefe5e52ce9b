// Sound synthesis: short mono 16-bit WAVE files, the same bytes on every run.
#pragma once

#include <QByteArray>

namespace orbello::art {

inline constexpr int kSampleRate = 22050;

QByteArray SelectSound();   // a selected ball: a soft pop
QByteArray MoveSound();     // each step of a moving ball: a light wooden tick
QByteArray DestroySound();  // balls breaking: a glassy burst with falling chimes
QByteArray NoPathSound();   // an impossible move: a low two-note bonk
QByteArray WinSound();      // a game ended with a record: a short fanfare
QByteArray QuitSound();     // the window closes: a farewell chime

}  // namespace orbello::art
