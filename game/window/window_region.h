// Shapes of the main window and of the picture buttons.
#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>

namespace orbello::window {

// A rounded rectangle from (left, top) to (right, bottom), right and bottom excluded, whose
// corners are quarters of an ellipse of ellipse_w x ellipse_h; built row by row so that the
// region is exact to the pixel and needs no polygon approximation.
QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipse_w, int ellipse_h);

// Union of the gold and the blue circle of the backdrop. Empty when it cannot be built.
QRegion MakeWindowRegion();

// The region of the pixels of `picture` that are not see-through. A pixel is see-through when
// each channel lies between the key's channel and the key's channel plus the tolerance's
// channel (capped at 255). Each row contributes one rectangle per run of solid pixels.
QRegion RegionFromBitmap(const QImage& picture, QRgb key, QRgb tolerance);

}  // namespace orbello::window
