// The art generator: draws every picture and synthesises every sound of the three programs into
// a build folder. Usage: orbello-artgen OUTPUT_FOLDER
#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <vector>

#include "extras.h"
#include "face_words.h"
#include "raster.h"
#include "skins.h"
#include "sounds.h"
#include "theme_icons.h"
#include "window_art.h"

namespace orbello::art {
namespace {

bool ok = true;

void Check(bool written, const QString& path) {
  if (!written) {
    std::fprintf(stderr, "orbello-artgen: cannot write %s\n", qPrintable(path));
    ok = false;
  }
}

struct SheetItem {
  QString label;
  QImage image;
};

// The window as the game will show it, from the generated pieces: a check of how they fit.
QImage MockWindow(const GameArt& art, const SkinPictures& skin) {
  QImage img = Canvas(kWindowWidth, kWindowHeight);
  QPainter p(&img);
  Smooth(p);
  QPainterPath shape;
  shape.setFillRule(Qt::WindingFill);
  shape.addEllipse(QRectF(kGoldCircle));
  shape.addEllipse(QRectF(kBlueCircle));
  p.setClipPath(shape.simplified());
  p.drawImage(0, 0, art.backdrop_shown);
  p.setRenderHint(QPainter::Antialiasing, false);
  // Command buttons (normal faces, Save disabled), the shapes keyed out.
  const auto keyed = [](const QImage& face) {
    QImage out = face.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
      for (int x = 0; x < out.width(); ++x) {
        const QRgb c = out.pixel(x, y);
        if (qRed(c) == 0 && qGreen(c) >= 128 && qBlue(c) >= 128)
          out.setPixel(x, y, 0);
      }
    }
    return out;
  };
  for (int row = 0; row < kCommandRows; ++row) {
    const QImage face =
        row == 2 ? art.save_disabled.copy(0, 0, kFaceWidth, kFaceHeight)
                 : art.buttons.copy(row == 4 ? 144 : 0, 32 * row, kFaceWidth, kFaceHeight);
    p.drawImage(kCommandFaces[row].position, keyed(face));
  }
  for (int which = 0; which < 3; ++which) {
    p.drawImage(kCaptionFaces[which].position,
                art.caption.copy(kCaptionFaces[which].bitmap_x, which == 2 ? 14 : 0, 16, 14));
  }
  // Board: a few balls, a reserved mark, a walk trail and a bouncing ball.
  for (int x = 0; x < 9; ++x) {
    for (int y = 0; y < 9; ++y)
      p.drawImage(188 + 36 * x, 78 + 36 * y, skin.board);
  }
  const auto tile = [&](int frame, int color, int cx, int cy) {
    p.drawImage(188 + 36 * cx + 2, 78 + 36 * cy + 2,
                skin.balls.copy(32 * frame, 32 * color, 32, 32));
  };
  int n = 0;
  for (int cx = 0; cx < 9; ++cx) {
    for (int cy = 0; cy < 9; ++cy) {
      if ((cx * 7 + cy * 3) % 5 == 0)
        tile(kFrameRest, n++ % kBallColors, cx, cy);
    }
  }
  tile(kFrameReserved, 3, 4, 4);
  tile(kFrameReserved, 5, 7, 2);
  tile(kFrameFirstBounce + 3, 1, 2, 6);
  tile(5, 0, 6, 6);
  for (int k = 0; k < 3; ++k)
    p.drawImage(188 + 36 * (3 + k) + 2, 78 + 36 * 8 + 2, skin.walk.copy(0, 0, 32, 32));
  // Displays.
  const auto number = [&](int value, const QRect& holder) {
    const QString text = QString::number(value).rightJustified(5, '0');
    for (int i = 0; i < 5; ++i) {
      p.drawImage(holder.left() + 16 * i, holder.top(),
                  skin.score.copy(16 * text[i].digitValue(), 0, 16, 20));
    }
  };
  number(120, kScoreHolder);
  number(1530, kChampHolder);
  const QString clock = "00:12:34";
  for (int i = 0; i < 8; ++i) {
    const int gx = clock[i] == ':' ? 90 : 9 * clock[i].digitValue();
    p.drawImage(kTimeHolder.left() + 9 * i, kTimeHolder.top(), skin.timer.copy(gx, 0, 9, 11));
  }
  p.drawImage(kGameHolder.topLeft(), art.type_game.copy(0, 0, 72, 11));
  for (int i = 0; i < 3; ++i) {
    p.drawImage(kPreviewHolder.left() + 32 * i, kPreviewHolder.top(),
                skin.balls.copy(32 * kFramePreview, 32 * (i * 2), 32, 32));
  }
  return img;
}

QImage ContactSheet(const std::vector<SheetItem>& items) {
  const int width = 1640, margin = 16, label_h = 18;
  // Lay out once to know the height, then paint.
  auto layout = [&](QPainter* p) {
    int x = margin, y = margin, row_h = 0;
    for (const SheetItem& item : items) {
      const QSize s = item.image.size() * 2;
      if (x + s.width() > width - margin && x > margin) {
        x = margin;
        y += row_h + margin;
        row_h = 0;
      }
      if (p) {
        p->setPen(QColor(230, 230, 230));
        p->setFont(ArtFont("DejaVu Sans", 12));
        p->drawText(x, y + 13, item.label);
        // A checkerboard shows transparency.
        for (int cy = 0; cy < s.height(); cy += 8) {
          for (int cx = 0; cx < s.width(); cx += 8) {
            p->fillRect(x + cx, y + label_h + cy, std::min(8, s.width() - cx),
                        std::min(8, s.height() - cy),
                        ((cx + cy) / 8) % 2 ? QColor(90, 90, 96) : QColor(110, 110, 116));
          }
        }
        p->drawImage(QRect(QPoint(x, y + label_h), s),
                     item.image.scaled(s, Qt::IgnoreAspectRatio, Qt::FastTransformation));
      }
      x += std::max(s.width(),
                    QFontMetrics(ArtFont("DejaVu Sans", 12)).horizontalAdvance(item.label)) +
           margin;
      row_h = std::max(row_h, s.height() + label_h);
    }
    return y + row_h + margin;
  };
  const int height = layout(nullptr);
  QImage sheet = Canvas(width, height, QColor(48, 48, 52));
  QPainter p(&sheet);
  layout(&p);
  return sheet;
}

// The output folder, and the contact sheet of what was written to it.
struct Output {
  QDir root;
  std::vector<SheetItem> sheet;

  QString Path(const QString& relative) const { return root.filePath(relative); }
  void Bmp(const QImage& image, const QString& relative) {
    Check(SaveBmp24(image, Path(relative)), Path(relative));
  }
  void Png(const QImage& image, const QString& relative) {
    Check(SavePng(image, Path(relative)), Path(relative));
  }
  void Bytes(const QByteArray& bytes, const QString& relative) {
    Check(SaveBytes(bytes, Path(relative)), Path(relative));
  }
};

struct NamedImage {
  const char* name;
  const QImage& image;
};

std::vector<NamedImage> SkinFiles(const SkinPictures& skin) {
  return {{"board", skin.board},
          {"score", skin.score},
          {"balls", skin.balls},
          {"timer", skin.timer},
          {"walk", skin.walk}};
}

void WriteGameArt(Output& out, const GameArt& art) {
  const NamedImage bitmaps[] = {
      {"BITMAP_BTN", art.buttons},         {"BITMAP_NEW_DISABLE", art.save_disabled},
      {"BITMAP_CAPTION_BTN", art.caption}, {"BITMAP_BAR_MENU", art.bar_menu},
      {"BITMAP_TYPE_GAME", art.type_game}, {"BITMAP_BACK", art.back}};
  for (const NamedImage& b : bitmaps) {
    out.Bmp(b.image, QString("game/%1.bmp").arg(b.name));
    out.sheet.push_back({b.name, b.image});
  }
  out.Bytes(art.backdrop_jpeg, "game/201.jpg");
  out.Png(art.icon, "game/MAINICON.png");
  out.sheet.push_back({"MAINICON", art.icon});
  out.Bytes(WinSound(), "game/WIN_GAME.wav");
  out.Bytes(QuitSound(), "game/QUIT_GAME.wav");
}

void WriteSkins(Output& out, const GameArt& art) {
  for (const SkinPictures& skin : PaintAllSkins()) {
    out.root.mkpath("skin-bmp/" + skin.name);
    for (const NamedImage& pic : SkinFiles(skin)) {
      out.Bmp(pic.image, QString("skin-bmp/%1/%2.bmp").arg(skin.name, pic.name));
      out.sheet.push_back({skin.name + " " + pic.name, pic.image});
    }
    // The colours' names, one a line in ball row order, for the packer to set beside the skin.
    QByteArray names;
    for (const BallColor& ball : skin.palette)
      names += QByteArray(ball.name) + '\n';
    out.Bytes(names, QString("skin-bmp/%1/colors.txt").arg(skin.name));
    // And in each shipped language, from the same rows.
    for (const FaceWords& words : AllFaceWords()) {
      if (words.language.isEmpty() || !words.shipped)
        continue;
      QByteArray translated;
      for (const BallColor& ball : skin.palette) {
        const QString name = ColorName(words.language, QString::fromUtf8(ball.name));
        if (name.isEmpty()) {
          std::fprintf(stderr, "orbello-artgen: no %s name for the colour \"%s\"\n",
                       qPrintable(words.language), ball.name);
          ok = false;
        }
        translated += name.toUtf8() + '\n';
      }
      out.Bytes(translated, QString("skin-bmp/%1/colors.%2.txt").arg(skin.name, words.language));
    }
    const QImage mock = MockWindow(art, skin);
    out.sheet.push_back({"window with the " + skin.name + " skin", mock});
    // The help shows the window with the default skin.
    if (skin.name == "classic") {
      out.Png(mock, "help/window.png");
    }
  }
}

// The same pictures at double density, for screens with two device pixels to a pixel: the
// window's own pictures beside their 1x files (name@2x), the skins' in a folder of their own.
void WriteDoubleDensity(Output& out) {
  const ArtScale twice(2);
  const GameArt art = PaintGameArt();
  const NamedImage bitmaps[] = {{"BITMAP_BTN", art.buttons},
                                {"BITMAP_NEW_DISABLE", art.save_disabled},
                                {"BITMAP_CAPTION_BTN", art.caption},
                                {"BITMAP_BAR_MENU", art.bar_menu},
                                {"BITMAP_TYPE_GAME", art.type_game}};
  for (const NamedImage& b : bitmaps) {
    out.Bmp(b.image, QString("game/%1@2x.bmp").arg(b.name));
  }
  out.Bytes(art.backdrop_jpeg, "game/201@2x.jpg");
  for (const SkinPictures& skin : PaintAllSkins()) {
    out.root.mkpath("skin-bmp/" + skin.name + "@2x");
    for (const NamedImage& pic : SkinFiles(skin)) {
      out.Bmp(pic.image, QString("skin-bmp/%1@2x/%2.bmp").arg(skin.name, pic.name));
    }
  }
}

// The pictures with words in every other language, beside the English ones in game/LANGUAGE/,
// after a check that every word fits its place. Returns the contact sheet of their faces.
QImage WriteLanguageArt(Output& out) {
  std::vector<SheetItem> sheet;
  for (const FaceWords& words : AllFaceWords()) {
    const LabelSet labels = FitLabels(words);
    for (const LabelExtent& e : MeasureLabels(labels)) {
      if (!e.Fits()) {
        std::fprintf(stderr,
                     "orbello-artgen: %s: %s \"%s\" does not fit (drawn %g,%g %gx%g, area "
                     "%g,%g %gx%g%s)\n",
                     words.language.isEmpty() ? "en" : qPrintable(words.language),
                     qPrintable(e.what), qPrintable(e.text), e.ink.x(), e.ink.y(), e.ink.width(),
                     e.ink.height(), e.area.x(), e.area.y(), e.area.width(), e.area.height(),
                     e.covered ? "" : ", glyphs missing");
        ok = false;
      }
    }
    const GameArt art = PaintGameArt(labels);
    const QString name = words.language.isEmpty() ? QStringLiteral("en") : words.language;
    sheet.push_back({name + " faces", art.buttons});
    sheet.push_back({name + " Save disabled", art.save_disabled});
    sheet.push_back({name + " game types", art.type_game});
    sheet.push_back(
        {name + " captions", CopyLogical(art.backdrop_shown, QRect(240, 420, 220, 48))});
    if (words.language.isEmpty())
      continue;
    const QString folder = "game/" + words.language + "/";
    out.root.mkpath(folder);
    out.Bmp(art.buttons, folder + "BITMAP_BTN.bmp");
    out.Bmp(art.save_disabled, folder + "BITMAP_NEW_DISABLE.bmp");
    out.Bmp(art.type_game, folder + "BITMAP_TYPE_GAME.bmp");
    out.Bytes(art.backdrop_jpeg, folder + "201.jpg");
    const ArtScale twice(2);
    const GameArt art2 = PaintGameArt(labels);
    out.Bmp(art2.buttons, folder + "BITMAP_BTN@2x.bmp");
    out.Bmp(art2.save_disabled, folder + "BITMAP_NEW_DISABLE@2x.bmp");
    out.Bmp(art2.type_game, folder + "BITMAP_TYPE_GAME@2x.bmp");
    out.Bytes(art2.backdrop_jpeg, folder + "201@2x.jpg");
  }
  return ContactSheet(sheet);
}

// The skin compiler's and the uninstaller's pictures.
void WriteToolArt(Output& out) {
  const QImage tile = PaintCompilerTile();
  out.Bmp(tile, "csfob/BITMAP_1.bmp");
  const QImage csfob_icon = PaintCompilerIcon(32);
  out.Png(csfob_icon, "csfob/MAINICON.png");
  out.sheet.push_back({"csfob BITMAP_1", tile});
  out.sheet.push_back({"csfob MAINICON", csfob_icon});
  const QImage side = PaintUninstallSide();
  const QImage logo = PaintMakerLogo();
  Check(SaveIndexedBmp(side, 8, out.Path("uni/108.bmp"), true), out.Path("uni/108.bmp"));
  Check(SaveIndexedBmp(logo, 4, out.Path("uni/113.bmp")), out.Path("uni/113.bmp"));
  out.sheet.push_back({"uni 108 (256 colours)", QImage(out.Path("uni/108.bmp"))});
  out.sheet.push_back({"uni 113 (16 colours)", QImage(out.Path("uni/113.bmp"))});
  const struct {
    const char* name;
    QImage image;
  } icons[] = {{"120", PaintUninstallerIcon(32)},
               {"121", PaintCheckIcon(true)},
               {"122", PaintFlagIcon()},
               {"123", PaintCheckIcon(false)}};
  for (const auto& icon : icons) {
    out.Png(icon.image, QString("uni/%1.png").arg(icon.name));
    out.sheet.push_back({QString("uni ") + icon.name, icon.image});
  }
}

void WriteDesktopIcons(Output& out) {
  // Large icons for the desktop entries.
  const struct {
    const char* name;
    QImage image;
  } desktop_icons[] = {{"orbello", PaintGameIcon(128)},
                       {"orbello-skins", PaintCompilerIcon(128)},
                       {"orbello-uninstall", PaintUninstallerIcon(128)},
                       {"orbello-help", PaintHelpIcon(128)}};
  for (const auto& icon : desktop_icons) {
    out.Png(icon.image, QString("icons/%1.png").arg(icon.name));
    out.sheet.push_back({QString("icon ") + icon.name, icon.image});
  }
  // The same icons in the desktop's theme: drawn at each size, not shrunk from one picture.
  for (int size : ThemeIconSizes()) {
    const QString folder = QString("icons/hicolor/%1x%1/apps").arg(size);
    out.root.mkpath(folder);
    for (const ThemeIconName& icon : ThemeIconNames()) {
      out.Png(PaintThemeIcon(icon.icon, size), folder + "/" + icon.name + ".png");
    }
  }
}

void WriteEventSounds(Output& out) {
  const struct {
    const char* name;
    QByteArray bytes;
  } sounds[] = {{"select", SelectSound()},
                {"move", MoveSound()},
                {"destroy", DestroySound()},
                {"nopath", NoPathSound()}};
  for (const auto& sound : sounds) {
    out.Bytes(sound.bytes, QString("sounds/%1.wav").arg(sound.name));
  }
}

int Run(const QString& out_dir) {
  if (!LoadFonts()) {
    std::fprintf(stderr, "orbello-artgen: the DejaVu fonts are missing (fonts-dejavu-core)\n");
    return 1;
  }
  if (!LoadLabelFonts()) {
    std::fprintf(stderr,
                 "orbello-artgen: the condensed DejaVu or the CJK fonts are missing "
                 "(fonts-dejavu-extra, fonts-noto-cjk)\n");
    return 1;
  }
  Output out{QDir(out_dir), {}};
  for (const char* sub : {"game", "csfob", "uni", "skin-bmp", "sounds", "icons", "help"}) {
    out.root.mkpath(sub);
  }
  const GameArt art = PaintGameArt();
  WriteGameArt(out, art);
  WriteSkins(out, art);
  WriteDoubleDensity(out);
  WriteToolArt(out);
  WriteDesktopIcons(out);
  WriteEventSounds(out);
  out.sheet.push_back({"backdrop 201 (JPEG)", art.backdrop_shown});
  out.Png(ContactSheet(out.sheet), "contact-sheet.png");
  out.Png(WriteLanguageArt(out), "contact-sheet-languages.png");
  return ok ? 0 : 1;
}

}  // namespace
}  // namespace orbello::art

int main(int argc, char** argv) {
  // Drawing text needs a GUI application; no display is wanted.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: orbello-artgen OUTPUT_FOLDER\n");
    return 2;
  }
  return orbello::art::Run(QString::fromLocal8Bit(argv[1]));
}
