// Pictures of the skin compiler and the uninstaller.
#pragma once

#include <QImage>

namespace orbello::art {

QImage PaintCompilerTile();        // BITMAP_1, 128 x 128
QImage PaintUninstallSide();       // bitmap 108, 135 x 236 (saved with 256 colours)
QImage PaintMakerLogo();           // bitmap 113, 32 x 32 (saved with 16 colours)
QImage PaintCheckIcon(bool done);  // 121 green (done) / 123 grey (not reached), 32 x 32
QImage PaintFlagIcon();            // 122 red flag, 32 x 32

}  // namespace orbello::art
