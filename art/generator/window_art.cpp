#include "window_art.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>

#include "face_words.h"
#include "raster.h"

namespace orbello::art {

const std::array<CommandFace, kCommandRows> kCommandFaces = {{{"New", {110, 25}, true},
                                                              {"Load", {55, 65}, false},
                                                              {"Save", {29, 105}, false},
                                                              {"Score", {16, 145}, true},
                                                              {"Set", {13, 185}, false},
                                                              {"About", {20, 225}, false},
                                                              {"Quit", {39, 265}, false}}};

const std::array<CaptionFace, 3> kCaptionFaces = {{{{324, 5}, 0}, {{341, 5}, 18}, {{358, 5}, 32}}};

namespace {

constexpr qreal kPi = 3.14159265358979323846;

const QColor kGoldText(255, 214, 92);
const QColor kInk(10, 24, 50);

// Draws `text` centred in `box` through a path, so that it can take a gradient.
void CentredText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
                 const QBrush& fill, QColor shadow, QPointF shadow_offset = {1.0, 1.0}) {
  const QFontMetricsF m(font);
  const qreal x = box.center().x();
  const qreal y = box.top() + (box.height() + m.capHeight()) / 2.0;
  if (shadow.alpha() > 0) {
    HintedText(p, x + shadow_offset.x(), y + shadow_offset.y(), text, font, shadow);
  }
  // A gradient given in box coordinates follows the text where it is drawn.
  HintedText(p, x, y, text, font, fill);
}

// Where each label is centred, and the text area (margins included) its ink must stay in.
QRectF CaptionBox(const QRect& holder) {
  return QRectF(holder.left(), holder.bottom() + 6, holder.width(), 12);
}
// Under the display's well (4 px around the holder), down to the window's lower rim.
QRectF CaptionArea(const QRect& holder) {
  return QRectF(holder.left() - 4, holder.bottom() + 6, holder.width() + 8, 14);
}
QRectF FaceTextBox(const CommandFace& face, qreal shift) {
  const qreal text_right = face.has_arrow ? kArrowSplit : kFaceWidth;
  return QRectF(shift + (face.has_arrow ? 3 : 0), shift, text_right, kFaceHeight - 1.5);
}
// Inside the capsule (x 1 to 70) by 5 px; before a menu arrow, by 4 px and left of the split.
QRectF FaceArea(const CommandFace& face) {
  if (face.has_arrow)
    return QRectF(5, 3, kArrowSplit - 1.5 - 5, kFaceHeight - 6);
  return QRectF(6, 3, kFaceWidth - 12, kFaceHeight - 6);
}
QRectF TypeBand(int i) {
  return QRectF(0, 11 * i, 72, 11);
}
// The shadow of a descender may lose its last row to the band below (English "Squares" does).
QRectF TypeArea(int i) {
  return TypeBand(i).adjusted(2, 0, -2, 1);
}

// One step of a label's font ladder: the first step is today's English look, the later ones are
// narrower or smaller for longer words.
struct LabelStyle {
  bool condensed;
  int size;
  qreal spacing;  // absolute letter spacing; negative: none set
};

const std::vector<LabelStyle>& Ladder(LabelKind kind, bool cjk) {
  static const std::vector<LabelStyle> kFace = {
      {false, 12, -1}, {true, 12, -1}, {true, 11, -1}, {true, 10, -1}};
  static const std::vector<LabelStyle> kFaceCjk = {{false, 12, -1}, {false, 11, -1}};
  static const std::vector<LabelStyle> kType = {
      {false, 9, 0.8}, {false, 9, 0.0}, {true, 9, 0.8}, {true, 9, 0.0}, {true, 8, 0.0}};
  static const std::vector<LabelStyle> kTypeCjk = {{false, 10, 0.8}, {false, 9, 0.8}};
  static const std::vector<LabelStyle> kCaption = {
      {false, 9, 1.3}, {false, 9, 0.6}, {true, 9, 1.3}, {true, 9, 0.6}, {true, 8, 0.6}};
  static const std::vector<LabelStyle> kCaptionCjk = {{false, 10, 1.3}, {false, 9, 1.3}};
  switch (kind) {
    case LabelKind::kFace:
      return cjk ? kFaceCjk : kFace;
    case LabelKind::kGameType:
      return cjk ? kTypeCjk : kType;
    case LabelKind::kCaption:
      break;
  }
  return cjk ? kCaptionCjk : kCaption;
}

QFont StyleFont(const QString& language, const LabelStyle& style) {
  QFont font =
      ArtFont(style.condensed ? QStringLiteral("DejaVu Sans Condensed") : LabelFamily(language),
              style.size, QFont::Bold);
  if (style.condensed)
    font.setStretch(QFont::AnyStretch);
  if (style.spacing >= 0)
    font.setLetterSpacing(QFont::AbsoluteSpacing, style.spacing);
  return font;
}

// What the label's text and its shadow cover, in logical pixels, drawn at `scale` (and, for a
// face, also one pixel down and right, as pressed).
QRectF PaintedInk(const LabelPlace& place, const FittedLabel& label, int scale) {
  const ArtScale at(scale);
  const QRectF around = place.area.adjusted(-24, -24, 24, 24);
  QImage img = Canvas(qCeil(around.width()), qCeil(around.height()));
  {
    QPainter p(&img);
    Smooth(p);
    p.translate(-around.topLeft());
    for (const QRectF& box : place.boxes) {
      CentredText(p, box.translated(label.dx, 0), label.text, label.font, QColor(Qt::white),
                  QColor(Qt::black));
    }
  }
  int left = img.width(), top = img.height(), right = -1, bottom = -1;
  for (int y = 0; y < img.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if (qAlpha(line[x]) != 0) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  if (right < 0)
    return {};
  return QRectF(around.left() + qreal(left) / scale, around.top() + qreal(top) / scale,
                qreal(right + 1 - left) / scale, qreal(bottom + 1 - top) / scale);
}

// ------------------------------------------------------------------ backdrop

void PaintCircleRim(QPainter& p, const QRectF& box, QColor dark, QColor light) {
  p.save();
  p.setBrush(Qt::NoBrush);
  QLinearGradient g(box.topLeft(), box.bottomRight());
  g.setColorAt(0.0, light);
  g.setColorAt(1.0, dark);
  p.setPen(QPen(QBrush(g), 2.0));
  p.drawEllipse(box.adjusted(1, 1, -1, -1));
  p.restore();
}

// A sunken hollow: a soft shadow, dark glass, a shadowed top and a lit bottom edge.
struct Hollow {
  QColor shadow;
  QMarginsF shadow_spread;  // how far the shadow reaches beyond the hollow
  qreal shadow_radius;
  QColor glass_top, glass_bottom;
  qreal radius;
  int edge_shade;    // the top edge's darkness (alpha of black)
  qreal edge_clear;  // where down the edge it has faded out
  QColor edge_lit;
  qreal edge_width;
};

void PaintHollow(QPainter& p, const QRectF& rect, const Hollow& h) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(h.shadow);
  p.drawRoundedRect(rect.marginsAdded(h.shadow_spread), h.shadow_radius, h.shadow_radius);
  QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
  fill.setColorAt(0.0, h.glass_top);
  fill.setColorAt(1.0, h.glass_bottom);
  p.setBrush(fill);
  p.drawRoundedRect(rect, h.radius, h.radius);
  QLinearGradient edge(rect.topLeft(), rect.bottomLeft());
  edge.setColorAt(0.0, QColor(0, 0, 0, h.edge_shade));
  edge.setColorAt(h.edge_clear, QColor(0, 0, 0, 0));
  edge.setColorAt(1.0, h.edge_lit);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(edge), h.edge_width));
  const qreal in = h.edge_width / 2;
  p.drawRoundedRect(rect.adjusted(in, in, -in, -in), h.radius, h.radius);
  p.restore();
}

// A sunken well around a display.
void PaintWell(QPainter& p, const QRectF& inner, qreal margin, qreal radius) {
  PaintHollow(p, inner.adjusted(-margin, -margin, margin, margin),
              {QColor(8, 20, 42, 150), QMarginsF(1, 1, 1, 1), radius + 1, QColor(10, 22, 42),
               QColor(20, 42, 74), radius, 140, 0.55, QColor(150, 196, 240, 150), 1.0});
}

void PaintCaption(QPainter& p, const QRect& holder, const FittedLabel& label) {
  QLinearGradient gold(0, holder.bottom() + 8, 0, holder.bottom() + 16);
  gold.setColorAt(0.0, QColor(255, 236, 170));
  gold.setColorAt(1.0, QColor(236, 176, 60));
  CentredText(p, CaptionBox(holder).translated(label.dx, 0), label.text, label.font, gold,
              QColor(6, 18, 40, 200));
}

// Engraved rings on the gold ball that the command buttons follow, and the blue ball's shadow.
void PaintGoldRings(QPainter& p) {
  QPainterPath gold;
  gold.addEllipse(QRectF(kGoldCircle));
  p.save();
  p.setClipPath(gold);
  const QPointF c = QRectF(kGoldCircle).center();
  for (qreal r : {176.0, 120.0}) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 70, 0, 55), 1.2));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(255, 246, 200, 70), 1.0));
    p.drawEllipse(c, r + 1.3, r + 1.3);
  }
  // The larger ball's shadow on the gold one.
  QRadialGradient shade(QRectF(kBlueCircle).center() + QPointF(-6, 4), 252);
  shade.setColorAt(0.90, QColor(60, 30, 0, 0));
  shade.setColorAt(0.955, QColor(60, 30, 0, 120));
  shade.setColorAt(1.0, QColor(60, 30, 0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shade);
  p.drawEllipse(QRectF(kBlueCircle).center() + QPointF(-6, 4), 252, 252);
  p.restore();
}

// The board's frame: a sunken tray just larger than the board.
void PaintBoardTray(QPainter& p) {
  PaintHollow(p, QRectF(kBoardPanel).adjusted(-7, -7, 7, 7),
              {QColor(6, 16, 34, 120), QMarginsF(2, 2, 2, 3), 12, QColor(12, 26, 50),
               QColor(22, 46, 82), 10, 150, 0.5, QColor(160, 206, 250, 170), 1.2});
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(12, 19, 34));
  p.drawRect(QRectF(kBoardPanel));
}

// A seat for the three caption buttons.
void PaintCaptionSeat(QPainter& p) {
  const QRectF seat(321.5, 3.0, 55.0, 18.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(8, 22, 48, 110));
  p.drawRoundedRect(seat, 9, 9);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(170, 210, 250, 70), 1.0));
  p.drawLine(QPointF(seat.left() + 8, seat.bottom() + 0.5),
             QPointF(seat.right() - 8, seat.bottom() + 0.5));
}

QImage PaintBackdrop(const LabelSet& labels) {
  QImage img = Canvas(kWindowWidth, kWindowHeight, kKeyColor);
  QPainter p(&img);
  Smooth(p);
  p.setPen(Qt::NoPen);

  // The gold ball, then the blue one.
  PaintWindowBall(p, kGoldCircle, true);
  PaintGoldRings(p);
  PaintCircleRim(p, kGoldCircle, QColor(110, 62, 0, 200), QColor(255, 240, 180, 160));
  PaintWindowBall(p, kBlueCircle, false);
  PaintCircleRim(p, kBlueCircle, QColor(6, 18, 44, 230), QColor(150, 200, 250, 150));
  PaintBoardTray(p);

  // Wells of the displays and the next-ball previews.
  PaintWell(p, QRectF(kChampHolder), 4, 5);
  PaintWell(p, QRectF(kScoreHolder), 4, 5);
  PaintWell(p, QRectF(kTimeHolder), 3, 4);
  PaintWell(p, QRectF(kGameHolder), 3, 4);
  PaintWell(p, QRectF(kPreviewHolder), 4, 7);
  for (const QRect& r : {kChampHolder, kScoreHolder, kTimeHolder, kGameHolder, kPreviewHolder}) {
    p.fillRect(r, kHolderColor);
  }
  PaintCaption(p, kChampHolder, labels.champion);
  PaintCaption(p, kScoreHolder, labels.score);
  PaintCaptionSeat(p);
  return img;
}

// ------------------------------------------------------------------ command buttons

enum FaceState { kNormal = 0, kHighlighted = 1, kPressed = 2, kDisabled = 3 };

// The colours of a button face in one state.
struct FaceLook {
  QGradientStops glass;
  QColor rim_top;
  QColor rim_bottom;
  QColor text;
};

// Glass with a gloss on its upper half: `top` darkening to `upper` at the middle, where it
// breaks to the darker `lower` and lightens again to `bottom`.
QGradientStops GlossyGlass(QColor top, QColor upper, QColor lower, QColor bottom) {
  return {{0.0, top}, {0.49, upper}, {0.51, lower}, {1.0, bottom}};
}

const FaceLook& LookOf(FaceState state) {
  static const QColor kGoldRimTop(255, 234, 150), kGoldRimBottom(170, 104, 16);
  static const FaceLook kLooks[] = {
      // kNormal
      {GlossyGlass(QColor(96, 154, 218), QColor(48, 102, 170), QColor(30, 72, 132),
                   QColor(40, 92, 158)),
       kGoldRimTop, kGoldRimBottom, kGoldText},
      // kHighlighted
      {GlossyGlass(QColor(136, 190, 244), QColor(70, 132, 204), QColor(46, 98, 166),
                   QColor(64, 124, 194)),
       kGoldRimTop, kGoldRimBottom, QColor(255, 240, 176)},
      // kPressed
      {{{0.0, QColor(18, 44, 88)}, {0.6, QColor(30, 70, 128)}, {1.0, QColor(48, 104, 170)}},
       QColor(196, 132, 30),
       QColor(255, 224, 130),
       QColor(244, 196, 70)},
      // kDisabled
      {GlossyGlass(QColor(186, 190, 196), QColor(150, 154, 162), QColor(132, 136, 144),
                   QColor(146, 150, 158)),
       QColor(214, 214, 214), QColor(118, 118, 118), QColor(96, 100, 110)}};
  return kLooks[state];
}

// A pressed face is shaded along its top edge; the others have a gloss on their upper half.
void PaintFaceLight(QPainter& p, const QPainterPath& capsule, const QRectF& body, FaceState state) {
  if (state == kPressed) {
    // Inner shadow along the top edge.
    p.save();
    p.setClipPath(capsule);
    QLinearGradient inner(0, body.top(), 0, body.top() + 7);
    inner.setColorAt(0.0, QColor(0, 0, 0, 130));
    inner.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(inner);
    p.drawRect(body);
    p.restore();
  } else {
    // Gloss on the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(
        QRectF(body.left() + 4, body.top() + 1.5, body.width() - 8, body.height() * 0.45), 9, 9);
    QLinearGradient shine(0, body.top(), 0, body.top() + body.height() * 0.48);
    shine.setColorAt(0.0, QColor(255, 255, 255, state == kDisabled ? 110 : 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.setBrush(shine);
    p.drawPath(gloss);
  }
}

// The label, and the split with the menu arrow.
void PaintFaceLabel(QPainter& p, const CommandFace& face, const FittedLabel& label, FaceState state,
                    const QRectF& body, QColor text) {
  const qreal shift = state == kPressed ? 1.0 : 0.0;
  QLinearGradient letter(0, 9, 0, 22);
  letter.setColorAt(0.0, Shade(text, 1.35));
  letter.setColorAt(1.0, Shade(text, 0.88));
  const QColor shadow = state == kDisabled ? QColor(230, 232, 236, 200) : QColor(6, 18, 44, 210);
  CentredText(p, FaceTextBox(face, shift).translated(label.dx, 0), label.text, label.font, letter,
              shadow);
  if (face.has_arrow) {
    p.setPen(QPen(QColor(8, 26, 60, 220), 1.0));
    p.drawLine(QPointF(kArrowSplit + 0.5, body.top() + 2),
               QPointF(kArrowSplit + 0.5, body.bottom() - 2));
    p.setPen(QPen(QColor(150, 200, 246, 110), 1.0));
    p.drawLine(QPointF(kArrowSplit - 0.5, body.top() + 3),
               QPointF(kArrowSplit - 0.5, body.bottom() - 3));
    QPainterPath arrow;
    const qreal ax = kArrowSplit + 8.0 + shift, ay = 14.0 + shift;
    arrow.moveTo(ax - 4.2, ay - 2.2);
    arrow.lineTo(ax + 4.2, ay - 2.2);
    arrow.lineTo(ax, ay + 3.0);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(6, 18, 44, 200));
    p.drawPath(arrow.translated(0.6, 0.9));
    p.setBrush(letter);
    p.drawPath(arrow);
  }
}

QImage PaintFace(const CommandFace& face, const FittedLabel& label, FaceState state) {
  QImage img = Canvas(kFaceWidth, kFaceHeight);
  QPainter p(&img);
  Smooth(p);
  const QRectF body(1.0, 1.0, kFaceWidth - 2.0, kFaceHeight - 2.5);
  QPainterPath capsule;
  capsule.addRoundedRect(body, body.height() / 2, body.height() / 2);

  // A soft contact shadow under the raised button; pressed buttons sit flush.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 36, 0, state == kPressed ? 70 : 120));
  p.drawRoundedRect(body.translated(0.4, 1.2).adjusted(-0.5, -0.5, 0.5, 0.6), 15, 15);

  const FaceLook& look = LookOf(state);
  QLinearGradient glass(0, body.top(), 0, body.bottom());
  glass.setStops(look.glass);
  p.setBrush(glass);
  p.drawPath(capsule);
  PaintFaceLight(p, capsule, body, state);

  // Gold rim.
  QLinearGradient rim(0, body.top(), 0, body.bottom());
  rim.setColorAt(0.0, look.rim_top);
  rim.setColorAt(1.0, look.rim_bottom);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(rim), 1.6));
  p.drawPath(capsule);

  PaintFaceLabel(p, face, label, state, body, look.text);
  return img;
}

// Composes a face over the backdrop where it will stand; pixels outside the normal face's
// shape get the key colour so that the button's shape is exactly the visible face.
QImage ComposeFace(const QImage& face, const QImage& normal, const QImage& backdrop, QPoint at) {
  const QImage under = CopyLogical(backdrop, QRect(at, LogicalSize(face)));
  if (face.devicePixelRatio() > 1) {
    // At double density the button's shape still comes from the 1x face, so nothing is keyed:
    // where that shape reaches past this face, the backdrop shows as it does around the button.
    QImage out = under.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(0, 0, face);
    return out;
  }
  QImage out = ComposeOrKey(face, under, kKeyColor);
  const QImage shape = normal.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      if (qAlpha(shape.pixel(x, y)) == 0) {
        out.setPixel(x, y, kKeyColor.rgb());
      } else if (qAlpha(face.pixel(x, y)) == 0) {
        // Inside the shape but not covered by this state's face: show the backdrop there.
        QRgb b = under.pixel(x, y);
        if (qRed(b) == 0 && qGreen(b) >= 128 && qBlue(b) >= 128)
          b = qRgb(1, qGreen(b), qBlue(b));
        out.setPixel(x, y, b);
      }
    }
  }
  return out;
}

// ------------------------------------------------------------------ caption buttons

QImage PaintCaptionFace(int which, bool pressed) {
  QImage img = Canvas(16, 14);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(8.0, 7.0);
  const qreal r = 6.0;
  p.setPen(Qt::NoPen);
  if (!pressed) {
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(0.3, 0.8), r, r);
  }
  const bool close = which == 2;
  const QColor base = close ? QColor(190, 40, 28) : QColor(40, 92, 160);
  QRadialGradient body(c + QPointF(-2, -2.5), 8.5);
  if (pressed) {
    body.setColorAt(0.0, Shade(base, 0.55));
    body.setColorAt(1.0, Shade(base, 0.9));
  } else {
    body.setColorAt(0.0, Shade(base, 1.55));
    body.setColorAt(0.5, base);
    body.setColorAt(1.0, Shade(base, 0.5));
  }
  p.setBrush(body);
  p.drawEllipse(c, r, r);
  QLinearGradient rim(0, 1, 0, 13);
  rim.setColorAt(0.0, pressed ? QColor(170, 110, 20) : QColor(255, 236, 160));
  rim.setColorAt(1.0, pressed ? QColor(255, 220, 120) : QColor(160, 98, 12));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(rim), 1.1));
  p.drawEllipse(c, r - 0.3, r - 0.3);
  const QPointF o = c + QPointF(pressed ? 0.5 : 0.0, pressed ? 0.6 : 0.0);
  const QColor glyph = close ? QColor(255, 246, 230) : QColor(255, 222, 110);
  p.setPen(QPen(glyph, 1.5, Qt::SolidLine, Qt::RoundCap));
  if (which == 0) {
    const QFont font = ArtFont("DejaVu Sans", 10, QFont::Bold);
    CentredText(p, QRectF(o.x() - 6, o.y() - 6.5, 12, 12), "?", font, glyph, QColor(0, 0, 0, 120));
  } else if (which == 1) {
    p.drawLine(o + QPointF(-2.8, 2.0), o + QPointF(2.8, 2.0));
  } else {
    p.drawLine(o + QPointF(-2.5, -2.5), o + QPointF(2.5, 2.5));
    p.drawLine(o + QPointF(2.5, -2.5), o + QPointF(-2.5, 2.5));
  }
  if (!pressed) {
    QLinearGradient shine(0, 1.5, 0, 6);
    shine.setColorAt(0.0, QColor(255, 255, 255, 120));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(QRectF(c.x() - 3.6, c.y() - 5.2, 7.2, 4.2));
  }
  return img;
}

// ------------------------------------------------------------------ smaller pictures

QImage PaintBarMenu() {
  QImage img = Canvas(20, 67, kMenuBlue);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient band(0, 0, 0, 67);
  band.setColorAt(0.0, kMenuBlue);
  band.setColorAt(1.0, QColor(26, 64, 112));
  p.fillRect(QRect(0, 0, 20, 67), band);
  p.save();
  p.translate(14.5, 53);
  p.rotate(-90);
  QFont font = ArtFont("DejaVu Sans", 11, QFont::Bold);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
  QPainterPath text;
  text.addText(0, 0, font, "Orbello");
  QLinearGradient gold(0, -9, 0, 0);
  gold.setColorAt(0.0, QColor(255, 240, 180));
  gold.setColorAt(1.0, QColor(232, 164, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(6, 20, 48, 200));
  p.drawPath(text.translated(0.8, 0.8));
  p.setBrush(gold);
  p.drawPath(text);
  p.restore();
  PaintWindowBall(p, QRectF(5.5, 56.5, 9, 9), true);
  return img;
}

QImage PaintTypeLabels(const LabelSet& labels) {
  QImage img = Canvas(72, 33);
  QPainter p(&img);
  Smooth(p);
  for (int i = 0; i < 3; ++i) {
    const QRectF band = TypeBand(i);
    QLinearGradient glass(0, band.top(), 0, band.bottom());
    glass.setColorAt(0.0, QColor(22, 38, 64));
    glass.setColorAt(0.5, QColor(10, 20, 38));
    glass.setColorAt(1.0, QColor(16, 28, 50));
    p.fillRect(band, glass);
    QLinearGradient gold(0, band.top() + 2, 0, band.bottom() - 1);
    gold.setColorAt(0.0, QColor(255, 246, 200));
    gold.setColorAt(1.0, QColor(236, 164, 36));
    CentredText(p, band.translated(labels.game_types[i].dx, 0), labels.game_types[i].text,
                labels.game_types[i].font, gold, QColor(0, 0, 0, 160));
  }
  return img;
}

QImage PaintBackTile() {
  QImage img = Canvas(128, 128, QColor(228, 234, 243));
  QPainter p(&img);
  Smooth(p);
  // Faint rings and dots on a lattice; each shape is drawn at its wrapped copies as well, so the
  // tile joins without seams.
  struct Ring {
    qreal x, y, r;
  };
  static const Ring kRings[] = {{20, 24, 14},  {84, 18, 9},  {60, 70, 18},
                                {112, 88, 12}, {26, 104, 8}, {100, 50, 5}};
  for (int dy = -128; dy <= 128; dy += 128) {
    for (int dx = -128; dx <= 128; dx += 128) {
      for (const Ring& ring : kRings) {
        const QPointF c(ring.x + dx, ring.y + dy);
        QRadialGradient fill(c + QPointF(-ring.r * 0.3, -ring.r * 0.35), ring.r * 1.2);
        fill.setColorAt(0.0, QColor(255, 255, 255, 70));
        fill.setColorAt(1.0, QColor(204, 216, 234, 45));
        p.setBrush(fill);
        p.setPen(QPen(QColor(206, 217, 233), 1.0));
        p.drawEllipse(c, ring.r, ring.r);
      }
    }
  }
  return img;
}

}  // namespace

void PaintWindowBall(QPainter& p, const QRectF& box, bool gold) {
  p.save();
  p.setPen(Qt::NoPen);
  const QPointF focus(box.left() + 0.34 * box.width(), box.top() + 0.28 * box.height());
  QRadialGradient g(focus, 0.78 * box.width(), focus);
  if (gold) {
    g.setColorAt(0.00, QColor(255, 246, 196));
    g.setColorAt(0.18, QColor(252, 214, 96));
    g.setColorAt(0.55, QColor(232, 166, 34));
    g.setColorAt(0.85, QColor(182, 112, 10));
    g.setColorAt(1.00, QColor(128, 74, 4));
  } else {
    g.setColorAt(0.00, QColor(140, 190, 240));
    g.setColorAt(0.22, QColor(74, 134, 200));
    g.setColorAt(0.55, QColor(40, 92, 158));
    g.setColorAt(0.85, QColor(24, 58, 112));
    g.setColorAt(1.00, QColor(12, 32, 68));
  }
  p.setBrush(g);
  p.drawEllipse(box);
  // Soft window reflection.
  const QRectF shine(box.left() + 0.16 * box.width(), box.top() + 0.06 * box.height(),
                     0.42 * box.width(), 0.26 * box.height());
  QLinearGradient s(shine.topLeft(), shine.bottomLeft());
  s.setColorAt(0.0, QColor(255, 255, 255, gold ? 120 : 70));
  s.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setBrush(s);
  p.drawEllipse(shine);
  p.restore();
}

namespace {

// Icons are drawn on a 32 x 32 grid whatever their size.
void ScaleToIcon(QPainter& p, int size) {
  Smooth(p);
  const qreal k = size / 32.0;
  p.scale(k, k);
}

// A window ball with a thin dark rim, which keeps it apart from any background at icon sizes.
void PaintRimmedBall(QPainter& p, const QRectF& box, bool gold, const QPen& rim) {
  PaintWindowBall(p, box, gold);
  p.setPen(rim);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(box);
}

// The shading of the small coloured balls on the icons, lit from `light`.
QRadialGradient SmallBallShading(QPointF light, qreal radius, QColor c) {
  QRadialGradient g(light, radius);
  g.setColorAt(0.0, Shade(c, 1.7));
  g.setColorAt(0.5, c);
  g.setColorAt(1.0, Shade(c, 0.45));
  return g;
}

}  // namespace

QImage PaintGameIcon(int size) {
  QImage img = Canvas(size, size);
  QPainter p(&img);
  ScaleToIcon(p, size);
  PaintRimmedBall(p, QRectF(0.8, 3.0, 19.5, 19.5), true, QPen(QColor(100, 56, 0, 200), 0.7));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 20, 0, 90));
  p.drawEllipse(QRectF(7.5, 6.8, 24.5, 24.5));
  PaintRimmedBall(p, QRectF(7.0, 6.0, 24.5, 24.5), false, QPen(QColor(6, 20, 50, 220), 0.7));
  // Three little balls on the blue one: red, green, yellow.
  const QColor colors[3] = {QColor(210, 30, 30), QColor(40, 175, 110), QColor(255, 226, 40)};
  const QPointF at[3] = {QPointF(15.0, 17.0), QPointF(22.5, 14.0), QPointF(22.0, 22.5)};
  for (int i = 0; i < 3; ++i) {
    p.setPen(QPen(QColor(0, 0, 0, 110), 0.4));
    p.setBrush(SmallBallShading(at[i] + QPointF(-1.0, -1.2), 3.6, colors[i]));
    p.drawEllipse(at[i], 3.2, 3.2);
  }
  return img;
}

QImage PaintCompilerIcon(int size) {
  QImage img = Canvas(size, size);
  QPainter p(&img);
  ScaleToIcon(p, size);
  // A skin card: four cells with balls, and a gold brush across it.
  QLinearGradient card(0, 2, 0, 30);
  card.setColorAt(0.0, QColor(70, 120, 186));
  card.setColorAt(1.0, QColor(24, 56, 108));
  p.setPen(QPen(QColor(8, 24, 56), 0.8));
  p.setBrush(card);
  p.drawRoundedRect(QRectF(1.5, 3.5, 25, 25), 4, 4);
  const QColor colors[4] = {QColor(210, 30, 30), QColor(40, 175, 110), QColor(70, 60, 245),
                            QColor(255, 226, 40)};
  for (int i = 0; i < 4; ++i) {
    const QPointF c(8.0 + 11.5 * (i % 2), 10.0 + 11.5 * (i / 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 24, 50, 160));
    p.drawRoundedRect(QRectF(c.x() - 5, c.y() - 5, 10, 10), 2, 2);
    p.setBrush(SmallBallShading(c + QPointF(-1.2, -1.4), 4.5, colors[i]));
    p.drawEllipse(c, 3.8, 3.8);
  }
  // Brush: handle and gold ferrule with a wet tip.
  p.save();
  p.translate(22, 19);
  p.rotate(-45);
  QLinearGradient handle(0, -1.8, 0, 1.8);
  handle.setColorAt(0.0, QColor(196, 90, 50));
  handle.setColorAt(1.0, QColor(110, 40, 20));
  p.setPen(QPen(QColor(60, 20, 10), 0.6));
  p.setBrush(handle);
  p.drawRoundedRect(QRectF(1, -1.8, 13, 3.6), 1.8, 1.8);
  QLinearGradient ferrule(0, -2.2, 0, 2.2);
  ferrule.setColorAt(0.0, QColor(255, 236, 160));
  ferrule.setColorAt(1.0, QColor(170, 110, 20));
  p.setBrush(ferrule);
  p.drawRect(QRectF(-3, -2.2, 4.2, 4.4));
  QPainterPath tip;
  tip.moveTo(-3, -2.2);
  tip.quadTo(-8, -1.0, -9.5, 0);
  tip.quadTo(-8, 1.0, -3, 2.2);
  tip.closeSubpath();
  p.setBrush(QColor(210, 30, 30));
  p.drawPath(tip);
  p.restore();
  return img;
}

QImage PaintUninstallerIcon(int size) {
  QImage img = PaintGameIcon(size);
  QPainter p(&img);
  ScaleToIcon(p, size);
  // A red removal badge at the bottom left.
  const QPointF c(8.5, 23.5);
  QRadialGradient g(c + QPointF(-1.5, -2), 8);
  g.setColorAt(0.0, QColor(255, 130, 110));
  g.setColorAt(0.5, QColor(206, 36, 24));
  g.setColorAt(1.0, QColor(120, 10, 6));
  p.setPen(QPen(QColor(255, 255, 255), 1.0));
  p.setBrush(g);
  p.drawEllipse(c, 6.8, 6.8);
  p.setPen(QPen(QColor(255, 255, 255), 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-3.2, 0), c + QPointF(3.2, 0));
  return img;
}

QImage PaintHelpIcon(int size) {
  QImage img = Canvas(size, size);
  QPainter p(&img);
  ScaleToIcon(p, size);
  PaintRimmedBall(p, QRectF(2, 2, 28, 28), false, QPen(QColor(6, 20, 50, 220), 0.8));
  QLinearGradient gold(0, 7, 0, 26);
  gold.setColorAt(0.0, QColor(255, 246, 200));
  gold.setColorAt(1.0, QColor(232, 160, 30));
  CentredText(p, QRectF(2, 2, 28, 28), "?", ArtFont("DejaVu Sans", 20, QFont::Bold), gold,
              QColor(0, 0, 0, 150));
  return img;
}

const std::vector<LabelPlace>& LabelPlaces() {
  static const std::vector<LabelPlace> places = [] {
    static const char* const kCommands[kCommandRows] = {"New", "Load",  "Save", "Score",
                                                        "Set", "About", "Quit"};
    static const char* const kTypes[3] = {"Lines", "Squares", "Blocks"};
    std::vector<LabelPlace> v;
    for (int row = 0; row < kCommandRows; ++row) {
      const CommandFace& face = kCommandFaces[row];
      v.push_back({LabelKind::kFace,
                   QStringLiteral("face %1").arg(QLatin1String(kCommands[row])),
                   {FaceTextBox(face, 0), FaceTextBox(face, 1)},
                   FaceArea(face)});
    }
    for (int i = 0; i < 3; ++i) {
      v.push_back({LabelKind::kGameType,
                   QStringLiteral("game type %1").arg(QLatin1String(kTypes[i])),
                   {TypeBand(i)},
                   TypeArea(i)});
    }
    v.push_back({LabelKind::kCaption,
                 QStringLiteral("caption CHAMPION"),
                 {CaptionBox(kChampHolder)},
                 CaptionArea(kChampHolder)});
    v.push_back({LabelKind::kCaption,
                 QStringLiteral("caption SCORE"),
                 {CaptionBox(kScoreHolder)},
                 CaptionArea(kScoreHolder)});
    return v;
  }();
  return places;
}

std::vector<const FittedLabel*> LabelsInOrder(const LabelSet& set) {
  std::vector<const FittedLabel*> v;
  for (const FittedLabel& label : set.commands)
    v.push_back(&label);
  for (const FittedLabel& label : set.game_types)
    v.push_back(&label);
  v.push_back(&set.champion);
  v.push_back(&set.score);
  return v;
}

namespace {

LabelExtent Extent(const LabelPlace& place, const FittedLabel& label) {
  const QRectF ink = PaintedInk(place, label, 1).united(PaintedInk(place, label, 2));
  return {place.what, label.text, ink, place.area, FontCovers(label.font, label.text)};
}

}  // namespace

namespace {

// `label` in `style` where that keeps it in its place, moved off its centre by whole pixels if
// it must (the area before a menu arrow is off the centre of the face); false when it does not fit.
bool FitIn(const LabelPlace& place, const QString& language, const LabelStyle& style,
           FittedLabel* label) {
  label->font = StyleFont(language, style);
  label->dx = 0;
  const LabelExtent extent = Extent(place, *label);
  if (extent.Fits())
    return true;
  const QRectF& ink = extent.ink;
  const QRectF& area = extent.area;
  if (ink.width() > area.width() || ink.top() < area.top() || ink.bottom() > area.bottom())
    return false;
  label->dx = ink.right() > area.right() ? std::floor(area.right() - ink.right())
                                         : std::ceil(area.left() - ink.left());
  return Extent(place, *label).Fits();
}

}  // namespace

LabelSet FitLabels(const FaceWords& words) {
  LabelSet set;
  std::vector<QString> texts(words.commands.begin(), words.commands.end());
  texts.insert(texts.end(), words.game_types.begin(), words.game_types.end());
  texts.push_back(words.champion);
  texts.push_back(words.score);
  std::vector<FittedLabel*> out;
  for (FittedLabel& label : set.commands)
    out.push_back(&label);
  for (FittedLabel& label : set.game_types)
    out.push_back(&label);
  out.push_back(&set.champion);
  out.push_back(&set.score);
  const std::vector<LabelPlace>& places = LabelPlaces();
  // Each face on its own; the three game types, and the two captions, in one font together, the
  // first that fits them all.
  const std::vector<std::vector<size_t>> groups = {{0}, {1}, {2},       {3},     {4},
                                                   {5}, {6}, {7, 8, 9}, {10, 11}};
  for (const std::vector<size_t>& group : groups) {
    const std::vector<LabelStyle>& ladder =
        Ladder(places[group.front()].kind, IsCjk(words.language));
    for (size_t step = 0; step < ladder.size(); ++step) {
      bool all = true;
      for (size_t i : group) {
        out[i]->text = texts[i];
        all = FitIn(places[i], words.language, ladder[step], out[i]) && all;
      }
      if (all)
        break;
    }
  }
  return set;
}

const LabelSet& EnglishLabels() {
  static const LabelSet set = FitLabels(EnglishWords());
  return set;
}

std::vector<LabelExtent> MeasureLabels(const LabelSet& set) {
  std::vector<LabelExtent> v;
  const std::vector<const FittedLabel*> labels = LabelsInOrder(set);
  for (size_t i = 0; i < labels.size(); ++i)
    v.push_back(Extent(LabelPlaces()[i], *labels[i]));
  return v;
}

GameArt PaintGameArt() {
  return PaintGameArt(EnglishLabels());
}

GameArt PaintGameArt(const LabelSet& labels) {
  GameArt art;
  art.backdrop = PaintBackdrop(labels);
  {
    QBuffer buffer(&art.backdrop_jpeg);
    buffer.open(QIODevice::WriteOnly);
    art.backdrop.convertToFormat(QImage::Format_RGB888).save(&buffer, "JPG", 93);
  }
  art.backdrop_shown =
      QImage::fromData(art.backdrop_jpeg, "JPG").convertToFormat(QImage::Format_RGB32);
  art.backdrop_shown.setDevicePixelRatio(ArtScale::Current());

  art.buttons = Canvas(216, 223, kKeyColor);
  {
    QPainter p(&art.buttons);
    for (int row = 0; row < kCommandRows; ++row) {
      const CommandFace& face = kCommandFaces[row];
      const FittedLabel& label = labels.commands[row];
      const QImage normal = PaintFace(face, label, kNormal);
      for (int column = 0; column < 3; ++column) {
        const QImage painted = PaintFace(face, label, FaceState(column));
        p.drawImage(72 * column, 32 * row,
                    ComposeFace(painted, normal, art.backdrop_shown, face.position));
      }
    }
  }
  art.save_disabled = Canvas(72, 32, kKeyColor);
  {
    const CommandFace& save = kCommandFaces[2];
    const FittedLabel& label = labels.commands[2];
    QPainter p(&art.save_disabled);
    p.drawImage(0, 0,
                ComposeFace(PaintFace(save, label, kDisabled), PaintFace(save, label, kNormal),
                            art.backdrop_shown, save.position));
  }
  art.caption = Canvas(48, 28, kKeyColor);
  {
    QPainter p(&art.caption);
    // The gap between help and minimise shows the backdrop next to help.
    const QImage gap = CopyLogical(art.backdrop_shown,
                                   QRect(kCaptionFaces[0].position + QPoint(16, 0), QSize(2, 14)));
    p.drawImage(16, 0, gap);
    p.drawImage(16, 14, gap);
    for (int which = 0; which < 3; ++which) {
      const CaptionFace& cf = kCaptionFaces[which];
      const QImage under = CopyLogical(art.backdrop_shown, QRect(cf.position, QSize(16, 14)));
      for (int pressed = 0; pressed < 2; ++pressed) {
        QImage face = under.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter fp(&face);
        fp.drawImage(0, 0, PaintCaptionFace(which, pressed != 0));
        fp.end();
        p.drawImage(cf.bitmap_x, 14 * pressed, face);
      }
    }
  }
  art.bar_menu = PaintBarMenu();
  art.type_game = PaintTypeLabels(labels);
  art.back = PaintBackTile();
  art.icon = PaintGameIcon(32);
  return art;
}

}  // namespace orbello::art
