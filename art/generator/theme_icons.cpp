#include "theme_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "raster.h"
#include "window_art.h"

namespace orbello::art {
namespace {

// The icons are laid out on a design square of 32 units. Every edge is placed on a whole pixel of
// the size being drawn, so that circles and bars have the same sharp rims at every size.
class Grid {
 public:
  explicit Grid(int size) : size_(size), k_(size / 32.0) {}

  int Size() const { return size_; }
  // Small sizes have no room for soft shadows and shaded little balls.
  bool Fine() const { return size_ >= 32; }
  // A position of the design on a whole pixel.
  qreal At(qreal units) const { return std::round(units * k_); }
  // A length of the design in whole pixels, at least `least`.
  qreal Len(qreal units, qreal least = 1) const { return std::max(least, std::round(units * k_)); }
  // A circle of whole pixels inside the icon.
  QRectF Circle(qreal left, qreal top, qreal diameter) const {
    const qreal d = std::min<qreal>(Len(diameter), size_);
    return QRectF(std::clamp(At(left), 0.0, size_ - d), std::clamp(At(top), 0.0, size_ - d), d, d);
  }
  // A circle of `d` whole pixels as near as can be to a centre given in design units.
  QRectF Dot(QPointF centre, qreal d) const {
    return QRectF(std::round(centre.x() * k_ - d / 2), std::round(centre.y() * k_ - d / 2), d, d);
  }
  // A rectangle between edges given in design units.
  QRectF Edges(qreal left, qreal top, qreal right, qreal bottom) const {
    return QRectF(QPointF(At(left), At(top)), QPointF(At(right), At(bottom)));
  }

 private:
  int size_;
  qreal k_;
};

QImage Blank(int size) {
  // Not a Canvas: these pictures have exactly `size` pixels whatever scale the game's art uses.
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A rim of whole pixels just inside a circle's box.
void Ring(QPainter& p, const QRectF& box, qreal width, const QBrush& brush) {
  QPainterPath ring;
  ring.setFillRule(Qt::OddEvenFill);
  ring.addEllipse(box);
  ring.addEllipse(box.adjusted(width, width, -width, -width));
  p.fillPath(ring, brush);
}

void LittleBall(QPainter& p, const QRectF& box, QColor color, bool fine) {
  p.save();
  p.setPen(Qt::NoPen);
  if (box.width() < 5) {
    // Three or four pixels: a shade would only blur it.
    p.setBrush(Shade(color, 1.15));
    p.drawEllipse(box);
    p.restore();
    return;
  }
  const qreal r = box.width() / 2;
  QRadialGradient g(box.center() + QPointF(-0.32 * r, -0.38 * r), 1.12 * r);
  g.setColorAt(0.0, Shade(color, 1.7));
  g.setColorAt(0.5, color);
  g.setColorAt(1.0, Shade(color, 0.45));
  p.setBrush(g);
  p.drawEllipse(box);
  if (fine)
    Ring(p, box, std::max(1.0, std::round(box.width() / 16)), QColor(0, 0, 0, 110));
  p.restore();
}

const QColor kRed(210, 30, 30);
const QColor kGreen(40, 175, 110);
const QColor kViolet(70, 60, 245);
const QColor kYellow(255, 226, 40);

void PaintGame(QPainter& p, const Grid& g) {
  const QRectF gold = g.Circle(0.5, 2.5, 20);
  const QRectF blue = g.Circle(7, 6, 25);
  const qreal rim = g.Len(0.7);
  PaintWindowBall(p, gold, true);
  Ring(p, gold, rim, QColor(100, 56, 0, 210));
  if (g.Fine()) {
    // The blue ball's shadow on the gold one.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 0, 90));
    p.drawEllipse(blue.translated(g.Len(0.5), g.Len(0.8)));
  }
  PaintWindowBall(p, blue, false);
  Ring(p, blue, rim, QColor(6, 20, 50, 230));
  // Three little balls on the blue one: red, green, yellow.
  const qreal d = std::max(3.0, std::round(6.4 * g.Size() / 32.0));
  const QPointF at[3] = {{15.0, 17.0}, {22.5, 14.0}, {22.0, 22.5}};
  const QColor colors[3] = {kRed, kGreen, kYellow};
  for (int i = 0; i < 3; ++i)
    LittleBall(p, g.Dot(at[i], d), colors[i], g.Fine());
}

void PaintSkinCompiler(QPainter& p, const Grid& g) {
  // A skin card: four cells with balls, and a gold brush across it.
  const QRectF card = g.Edges(1.5, 3.5, 26.5, 28.5);
  const qreal rim = g.Len(0.8);
  QLinearGradient fill(card.topLeft(), card.bottomLeft());
  fill.setColorAt(0.0, QColor(70, 120, 186));
  fill.setColorAt(1.0, QColor(24, 56, 108));
  p.setPen(QPen(QColor(8, 24, 56), rim));
  p.setBrush(fill);
  const qreal radius = std::max(1.5, 4 * g.Size() / 32.0);
  p.drawRoundedRect(card.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2), radius, radius);
  const QColor colors[4] = {kRed, kGreen, kViolet, kYellow};
  const qreal d = std::max(4.0, std::round(7.6 * g.Size() / 32.0));
  for (int i = 0; i < 4; ++i) {
    const QPointF c(8.0 + 11.5 * (i % 2), 10.0 + 11.5 * (i / 2));
    const QRectF ball = g.Dot(c, d);
    if (g.Size() >= 24) {
      const qreal well = std::round(10 * g.Size() / 32.0);
      const qreal margin = std::floor((well - d) / 2);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(10, 24, 50, 160));
      const qreal corner = std::max(1.0, 2 * g.Size() / 32.0);
      p.drawRoundedRect(ball.adjusted(-margin, -margin, well - d - margin, well - d - margin),
                        corner, corner);
    }
    LittleBall(p, ball, colors[i], g.Fine());
  }
  // The brush, lying from the lower left to the upper right: tip, ferrule and handle.
  p.save();
  p.translate(22 * g.Size() / 32.0, 19 * g.Size() / 32.0);
  p.rotate(-45);
  const qreal u = g.Size() / 32.0;
  const qreal half = std::max(1.0, std::round(1.8 * u * 2) / 2);
  const qreal line = g.Fine() ? std::max(1.0, std::round(0.6 * u)) : 0.0;
  QLinearGradient handle(0, -half, 0, half);
  handle.setColorAt(0.0, QColor(196, 90, 50));
  handle.setColorAt(1.0, QColor(110, 40, 20));
  p.setPen(line > 0 ? QPen(QColor(60, 20, 10), line) : QPen(Qt::NoPen));
  p.setBrush(handle);
  p.drawRoundedRect(QRectF(1 * u, -half, 13 * u, 2 * half), half, half);
  const qreal collar = half + std::max(0.5, std::round(0.4 * u));
  QLinearGradient ferrule(0, -collar, 0, collar);
  ferrule.setColorAt(0.0, QColor(255, 236, 160));
  ferrule.setColorAt(1.0, QColor(170, 110, 20));
  p.setBrush(ferrule);
  p.drawRect(QRectF(-3 * u, -collar, 4.2 * u, 2 * collar));
  QPainterPath tip;
  tip.moveTo(-3 * u, -collar);
  tip.quadTo(-8 * u, -0.45 * collar, -9.5 * u, 0);
  tip.quadTo(-8 * u, 0.45 * collar, -3 * u, collar);
  tip.closeSubpath();
  p.setBrush(kRed);
  p.drawPath(tip);
  p.restore();
}

void PaintUninstall(QPainter& p, const Grid& g) {
  PaintGame(p, g);
  // A red removal badge at the bottom left, with a white bar centred on whole pixels.
  const QRectF badge = g.Circle(1.7, 16.7, 13.6);
  const qreal d = badge.width();
  const qreal ring = g.Len(1.0);
  QRadialGradient red(badge.center() + QPointF(-0.2 * d, -0.28 * d), 0.6 * d);
  red.setColorAt(0.0, QColor(255, 130, 110));
  red.setColorAt(0.5, QColor(206, 36, 24));
  red.setColorAt(1.0, QColor(120, 10, 6));
  p.setPen(Qt::NoPen);
  p.setBrush(red);
  p.drawEllipse(badge);
  Ring(p, badge, ring, Qt::white);
  const qreal inner = d - 2 * ring;
  qreal width = inner - 2 * std::max(1.0, std::round(inner * 0.2));
  qreal height = g.Len(2.0);
  if (std::fmod(d - width, 2.0) != 0)
    width -= 1;
  if (std::fmod(d - height, 2.0) != 0)
    height += 1;
  p.fillRect(QRectF(badge.left() + (d - width) / 2, badge.top() + (d - height) / 2, width, height),
             Qt::white);
}

void PaintHelp(QPainter& p, const Grid& g) {
  const QRectF ball = g.Circle(1.5, 1.5, 29);
  PaintWindowBall(p, ball, false);
  Ring(p, ball, g.Len(0.8), QColor(6, 20, 50, 230));
  QLinearGradient gold(0, ball.top() + 0.18 * ball.height(), 0,
                       ball.bottom() - 0.15 * ball.height());
  gold.setColorAt(0.0, QColor(255, 246, 200));
  gold.setColorAt(1.0, QColor(232, 160, 30));
  const QFont font = ArtFont("DejaVu Sans", std::round(21 * g.Size() / 32.0), QFont::Bold);
  const QFontMetricsF metrics(font);
  const QRectF ink = metrics.tightBoundingRect("?");
  // The mark's ink centred in the ball; HintedText puts the baseline on a whole pixel.
  const qreal baseline = ball.center().y() - ink.top() - ink.height() / 2;
  const qreal shadow = std::max(1.0, std::round(g.Size() / 48.0));
  HintedText(p, ball.center().x() + shadow, baseline + shadow, "?", font, QColor(0, 0, 0, 120));
  HintedText(p, ball.center().x(), baseline, "?", font, gold);
}

}  // namespace

const std::vector<ThemeIconName>& ThemeIconNames() {
  static const std::vector<ThemeIconName> names = {
      {ThemeIcon::kGame, "com.corvane.Orbello"},
      {ThemeIcon::kSkinCompiler, "com.corvane.Orbello.SkinCompiler"},
      {ThemeIcon::kUninstall, "com.corvane.Orbello.Uninstall"},
      {ThemeIcon::kHelp, "com.corvane.Orbello.Help"}};
  return names;
}

const std::vector<int>& ThemeIconSizes() {
  static const std::vector<int> sizes = {16, 22, 24, 32, 48, 64, 128, 256};
  return sizes;
}

QImage PaintThemeIcon(ThemeIcon icon, int size) {
  QImage image = Blank(size);
  QPainter p(&image);
  Smooth(p);
  // In the order of the enum, the last one checked below.
  using Painter = void (*)(QPainter&, const Grid&);
  static constexpr Painter kPainters[] = {PaintGame, PaintSkinCompiler, PaintUninstall, PaintHelp};
  static_assert(std::size(kPainters) == static_cast<size_t>(ThemeIcon::kHelp) + 1);
  kPainters[static_cast<int>(icon)](p, Grid(size));
  return image;
}

}  // namespace orbello::art
