// Small picture utilities of the art generator: fonts, file writers, quantising, compositing.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <vector>

namespace orbello::art {

// The teal of the window's corners; pixels of this colour are cut out of button shapes.
inline const QColor kKeyColor(0, 128, 128);
// Colour of the holder panels behind the displays.
inline const QColor kHolderColor(38, 89, 140);
// The blue of the game-type menu and its side band.
inline const QColor kMenuBlue(47, 107, 168);

// Registers the DejaVu fonts from their Debian folder; false when they are missing.
bool LoadFonts();
// "DejaVu Sans" (or its condensed/serif/mono relatives) at a pixel size, fully hinted.
QFont ArtFont(const QString& family, qreal pixel_size, int weight = QFont::Normal,
              bool italic = false);

// Pictures are painted in logical pixels. While an ArtScale of 2 lives, Canvas makes pictures of
// twice the pixels in each direction (device pixel ratio 2): the same painting comes out sharp on
// screens of double density instead of being blown up.
class ArtScale {
 public:
  explicit ArtScale(int scale);
  ~ArtScale();
  ArtScale(const ArtScale&) = delete;
  ArtScale& operator=(const ArtScale&) = delete;
  static int Current();

 private:
  int previous_;
};

// A transparent ARGB canvas of width x height logical pixels at the current ArtScale, and a
// painter set up for antialiased drawing.
QImage Canvas(int width, int height, QColor fill = Qt::transparent);
// The logical rectangle `rect` of a picture of any scale, as a picture of the same scale.
QImage CopyLogical(const QImage& image, const QRect& rect);
// A picture's size in logical pixels.
QSize LogicalSize(const QImage& image);
void Smooth(QPainter& painter);

// Text drawn with the font's hinting (crisp at small sizes), filled with `fill` (a colour or a
// gradient), horizontally centred on `centre_x` with its baseline at `baseline` (both rounded to
// whole pixels). Returns the tight box of the ink.
QRectF HintedText(QPainter& p, qreal centre_x, qreal baseline, const QString& text,
                  const QFont& font, const QBrush& fill);

// Writers. Each fails (returns false) when the file cannot be written.
bool SaveBmp24(const QImage& image, const QString& path);
// An indexed BMP with a palette of at most 2^bits entries (bits 4 or 8), quantised by median
// cut; with `dither` the rounding errors are diffused (Floyd-Steinberg) so that gradients keep
// no bands.
bool SaveIndexedBmp(const QImage& image, int bits, const QString& path, bool dither = false);
bool SavePng(const QImage& image, const QString& path);
bool SaveJpeg(const QImage& image, const QString& path, int quality);
bool SaveBytes(const QByteArray& bytes, const QString& path);

// Median-cut palette of at most `count` colours and the image mapped onto it.
struct Quantised {
  std::vector<QRgb> palette;
  std::vector<uint8_t> indices;  // row-major, width * height
  int width = 0;
  int height = 0;
};
Quantised Quantise(const QImage& image, int count, bool dither = false);

// `over` (premultiplied ARGB) composed onto `under` (opaque) at (0,0) of both; pixels with no
// coverage at all get `outside` instead, so that a key colour marks them.
QImage ComposeOrKey(const QImage& over, const QImage& under, QColor outside);

// Linear interpolation of colours, t in 0..1.
QColor Mix(QColor a, QColor b, qreal t);
QColor Shade(QColor c, qreal factor);  // factor < 1 darker, > 1 lighter (towards white)

// A value in [0, 1) from integer coordinates: deterministic texture noise.
qreal Hash01(uint32_t a, uint32_t b = 0, uint32_t c = 0);

}  // namespace orbello::art
