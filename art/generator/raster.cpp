#include "raster.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cmath>

namespace orbello::art {

bool LoadFonts() {
  // The six faces of Debian's fonts-dejavu-core; nothing else is relied on.
  static const char* const kFiles[] = {"DejaVuSans.ttf",     "DejaVuSans-Bold.ttf",
                                       "DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf",
                                       "DejaVuSerif.ttf",    "DejaVuSerif-Bold.ttf"};
  // Fonts are loaded from files so that no other installed family can change a picture.
  bool ok = true;
  for (const char* file : kFiles) {
    const QString path = QStringLiteral("/usr/share/fonts/truetype/dejavu/") + file;
    if (QFontDatabase::addApplicationFont(path) < 0)
      ok = false;
  }
  return ok;
}

QFont ArtFont(const QString& family, qreal pixel_size, int weight, bool italic) {
  QFont font(family);
  font.setPixelSize(qRound(pixel_size));
  font.setWeight(QFont::Weight(weight));
  font.setItalic(italic);
  // Normal width: where the condensed faces are installed too, they must not be chosen.
  font.setStretch(QFont::Unstretched);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias |
                                             QFont::NoFontMerging));
  font.setKerning(true);
  return font;
}

namespace {
int art_scale = 1;
}  // namespace

ArtScale::ArtScale(int scale) : previous_(art_scale) {
  art_scale = scale;
}

ArtScale::~ArtScale() {
  art_scale = previous_;
}

int ArtScale::Current() {
  return art_scale;
}

QImage Canvas(int width, int height, QColor fill) {
  QImage image(width * art_scale, height * art_scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(art_scale);
  image.fill(fill);
  return image;
}

QImage CopyLogical(const QImage& image, const QRect& rect) {
  const int scale = qRound(image.devicePixelRatio());
  QImage part = image.copy(QRect(rect.topLeft() * scale, rect.size() * scale));
  part.setDevicePixelRatio(scale);
  return part;
}

QSize LogicalSize(const QImage& image) {
  return image.deviceIndependentSize().toSize();
}

void Smooth(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QRectF HintedText(QPainter& p, qreal centre_x, qreal baseline, const QString& text,
                  const QFont& font, const QBrush& fill) {
  const QFontMetricsF metrics(font);
  const QRectF ink = metrics.tightBoundingRect(text);
  const QPointF origin(std::round(centre_x - ink.width() / 2.0 - ink.left()), std::round(baseline));
  p.save();
  p.setFont(font);
  p.setPen(QPen(fill, 1.0));
  p.drawText(origin, text);
  p.restore();
  return ink.translated(origin);
}

bool SaveBmp24(const QImage& image, const QString& path) {
  return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
}

namespace {

void PutLe(QByteArray& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.append(char((value >> (8 * i)) & 0xFF));
}

struct Box {
  std::vector<QRgb> pixels;
  int Range(int channel) const {
    int lo = 255, hi = 0;
    for (QRgb p : pixels) {
      const int v = channel == 0 ? qRed(p) : channel == 1 ? qGreen(p) : qBlue(p);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    return pixels.empty() ? -1 : hi - lo;
  }
};

int Channel(QRgb p, int channel) {
  return channel == 0 ? qRed(p) : channel == 1 ? qGreen(p) : qBlue(p);
}

// Median cut: the box of pixels with the widest channel range is split at the median of that
// channel until there are `count` boxes; each box gives its mean colour.
std::vector<QRgb> MedianCutPalette(const QImage& image, int count) {
  std::vector<Box> boxes(1);
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      boxes[0].pixels.push_back(row[x] | 0xFF000000u);
  }
  while (int(boxes.size()) < count) {
    int best = -1, best_channel = 0, best_range = 0;
    for (int b = 0; b < int(boxes.size()); ++b) {
      if (boxes[b].pixels.size() < 2)
        continue;
      for (int c = 0; c < 3; ++c) {
        const int r = boxes[b].Range(c);
        if (r > best_range) {
          best_range = r;
          best = b;
          best_channel = c;
        }
      }
    }
    if (best < 0)
      break;
    std::vector<QRgb>& px = boxes[best].pixels;
    std::sort(px.begin(), px.end(), [best_channel](QRgb a, QRgb b) {
      const int ca = Channel(a, best_channel), cb = Channel(b, best_channel);
      return ca != cb ? ca < cb : a < b;
    });
    Box upper;
    upper.pixels.assign(px.begin() + px.size() / 2, px.end());
    px.resize(px.size() / 2);
    boxes.push_back(std::move(upper));
  }
  std::vector<QRgb> palette;
  for (const Box& box : boxes) {
    if (box.pixels.empty())
      continue;
    uint64_t r = 0, g = 0, b = 0;
    for (QRgb p : box.pixels) {
      r += qRed(p);
      g += qGreen(p);
      b += qBlue(p);
    }
    const uint64_t n = box.pixels.size();
    palette.push_back(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)));
  }
  return palette;
}

// The palette entry nearest to the colour, weighting the channels as the eye does.
int Nearest(const std::vector<QRgb>& palette, int r, int g, int b) {
  int best = 0;
  int best_d = 1 << 30;
  for (int i = 0; i < int(palette.size()); ++i) {
    const QRgb q = palette[i];
    const int dr = qRed(q) - r, dg = qGreen(q) - g, db = qBlue(q) - b;
    const int d = 2 * dr * dr + 4 * dg * dg + 3 * db * db;
    if (d < best_d) {
      best_d = d;
      best = i;
    }
  }
  return best;
}

// Maps every pixel onto the palette, with `dither` diffusing the errors (Floyd-Steinberg).
void MapOntoPalette(const QImage& image, bool dither, Quantised& result) {
  result.indices.resize(size_t(result.width) * result.height);
  // Error rows for the diffusion: this row and the next, in 1/16 units.
  std::vector<std::array<int, 3>> error(size_t(result.width + 2)), next(size_t(result.width + 2));
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::fill(next.begin(), next.end(), std::array<int, 3>{0, 0, 0});
    for (int x = 0; x < image.width(); ++x) {
      int want[3] = {qRed(row[x]), qGreen(row[x]), qBlue(row[x])};
      if (dither) {
        for (int c = 0; c < 3; ++c)
          want[c] = std::clamp(want[c] + error[x + 1][c] / 16, 0, 255);
      }
      const int index = Nearest(result.palette, want[0], want[1], want[2]);
      result.indices[size_t(y) * result.width + x] = uint8_t(index);
      if (!dither)
        continue;
      const QRgb got = result.palette[index];
      const int err[3] = {want[0] - qRed(got), want[1] - qGreen(got), want[2] - qBlue(got)};
      for (int c = 0; c < 3; ++c) {
        error[x + 2][c] += err[c] * 7;
        next[x][c] += err[c] * 3;
        next[x + 1][c] += err[c] * 5;
        next[x + 2][c] += err[c];
      }
    }
    std::swap(error, next);
  }
}

}  // namespace

Quantised Quantise(const QImage& source, int count, bool dither) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  Quantised result;
  result.width = image.width();
  result.height = image.height();
  result.palette = MedianCutPalette(image, count);
  MapOntoPalette(image, dither, result);
  return result;
}

bool SaveIndexedBmp(const QImage& image, int bits, const QString& path, bool dither) {
  const int colors = 1 << bits;
  const Quantised q = Quantise(image, colors, dither);
  const int row_bytes = ((q.width * bits + 31) / 32) * 4;
  const uint32_t palette_bytes = uint32_t(colors) * 4;
  const uint32_t offset = 14 + 40 + palette_bytes;
  const uint32_t file_size = offset + uint32_t(row_bytes) * q.height;
  QByteArray out;
  out.append("BM");
  PutLe(out, file_size, 4);
  PutLe(out, 0, 4);
  PutLe(out, offset, 4);
  PutLe(out, 40, 4);
  PutLe(out, uint32_t(q.width), 4);
  PutLe(out, uint32_t(q.height), 4);  // bottom-up
  PutLe(out, 1, 2);
  PutLe(out, uint32_t(bits), 2);
  PutLe(out, 0, 4);  // no compression
  PutLe(out, uint32_t(row_bytes) * q.height, 4);
  PutLe(out, 2835, 4);  // 72 dpi
  PutLe(out, 2835, 4);
  PutLe(out, uint32_t(colors), 4);
  PutLe(out, 0, 4);
  for (int i = 0; i < colors; ++i) {
    const QRgb c = i < int(q.palette.size()) ? q.palette[i] : qRgb(0, 0, 0);
    out.append(char(qBlue(c)));
    out.append(char(qGreen(c)));
    out.append(char(qRed(c)));
    out.append(char(0));
  }
  for (int y = q.height - 1; y >= 0; --y) {
    QByteArray row(row_bytes, '\0');
    for (int x = 0; x < q.width; ++x) {
      const uint8_t index = q.indices[size_t(y) * q.width + x];
      if (bits == 8) {
        row[x] = char(index);
      } else {
        const int shift = (x % 2 == 0) ? 4 : 0;
        row[x / 2] = char(uchar(row[x / 2]) | (index << shift));
      }
    }
    out.append(row);
  }
  return SaveBytes(out, path);
}

bool SavePng(const QImage& image, const QString& path) {
  return image.save(path, "PNG");
}

bool SaveJpeg(const QImage& image, const QString& path, int quality) {
  return image.convertToFormat(QImage::Format_RGB888).save(path, "JPG", quality);
}

bool SaveBytes(const QByteArray& bytes, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return false;
  return file.write(bytes) == bytes.size() && file.flush();
}

QImage ComposeOrKey(const QImage& over_in, const QImage& under_in, QColor outside) {
  const QImage over = over_in.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage under = under_in.convertToFormat(QImage::Format_RGB32);
  QImage out(over.size(), QImage::Format_RGB32);
  out.setDevicePixelRatio(over_in.devicePixelRatio());
  for (int y = 0; y < over.height(); ++y) {
    const QRgb* o = reinterpret_cast<const QRgb*>(over.constScanLine(y));
    const QRgb* u = reinterpret_cast<const QRgb*>(under.constScanLine(y));
    QRgb* d = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < over.width(); ++x) {
      const int a = qAlpha(o[x]);
      if (a == 0) {
        d[x] = outside.rgb();
        continue;
      }
      const auto blend = [a](int top, int bottom) {
        return top + (bottom * (255 - a) + 127) / 255;
      };
      int r = blend(qRed(o[x]), qRed(u[x]));
      const int g = blend(qGreen(o[x]), qGreen(u[x]));
      const int b = blend(qBlue(o[x]), qBlue(u[x]));
      // A visible pixel must never fall into the key range (red 0, green and blue >= 128).
      if (r == 0 && g >= 128 && b >= 128)
        r = 1;
      d[x] = qRgb(r, g, b);
    }
  }
  return out;
}

QColor Mix(QColor a, QColor b, qreal t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                          float(a.greenF() + (b.greenF() - a.greenF()) * t),
                          float(a.blueF() + (b.blueF() - a.blueF()) * t),
                          float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Shade(QColor c, qreal factor) {
  if (factor <= 1.0) {
    return QColor::fromRgbF(float(c.redF() * factor), float(c.greenF() * factor),
                            float(c.blueF() * factor), c.alphaF());
  }
  return Mix(c, QColor(255, 255, 255, c.alpha()), factor - 1.0);
}

qreal Hash01(uint32_t a, uint32_t b, uint32_t c) {
  uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / qreal(0x1000000);
}

}  // namespace orbello::art
