// The generated files: sizes and colour depths, the shapes of the button faces, the backdrop's
// layout, the sounds, the packed skins, the help file, and that a second run of the generator
// writes the same bytes.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "art_test_util.h"
#include "skinfile/companion.h"

namespace orbello::art::testing {
namespace {

uint32_t Le(const QByteArray& b, int at, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i)
    v |= uint32_t(uchar(b[at + i])) << (8 * i);
  return v;
}

struct Expected {
  const char* path;
  int width, height;
  int bmp_bits;  // 0 when not a BMP
};

TEST(ArtFiles, EveryPictureHasItsSizeAndDepth) {
  const Expected expected[] = {
      {"game/BITMAP_BTN.bmp", 216, 223, 24},
      {"game/BITMAP_NEW_DISABLE.bmp", 72, 32, 24},
      {"game/BITMAP_CAPTION_BTN.bmp", 48, 28, 24},
      {"game/BITMAP_BAR_MENU.bmp", 20, 67, 24},
      {"game/BITMAP_TYPE_GAME.bmp", 72, 33, 24},
      {"game/BITMAP_BACK.bmp", 128, 128, 24},
      {"game/201.jpg", 590, 480, 0},
      {"game/MAINICON.png", 32, 32, 0},
      {"csfob/BITMAP_1.bmp", 128, 128, 24},
      {"csfob/MAINICON.png", 32, 32, 0},
      {"uni/108.bmp", 135, 236, 8},
      {"uni/113.bmp", 32, 32, 4},
      {"uni/120.png", 32, 32, 0},
      {"uni/121.png", 32, 32, 0},
      {"uni/122.png", 32, 32, 0},
      {"uni/123.png", 32, 32, 0},
  };
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.path);
    const QImage image(ArtPath(e.path));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), e.width);
    EXPECT_EQ(image.height(), e.height);
    if (e.bmp_bits) {
      const QByteArray bytes = ReadAll(ArtPath(e.path));
      ASSERT_GE(bytes.size(), 54);
      EXPECT_TRUE(bytes.startsWith("BM"));
      EXPECT_EQ(Le(bytes, 28, 2), uint32_t(e.bmp_bits));
      EXPECT_EQ(Le(bytes, 2, 4), uint32_t(bytes.size()));
    }
  }
  for (const char* skin : {"classic", "retro", "gems"}) {
    const struct {
      const char* name;
      int width, height;
    } pictures[] = {{"board", 36, 36},
                    {"score", 160, 20},
                    {"balls", 768, 224},
                    {"timer", 99, 11},
                    {"walk", 128, 32}};
    for (const auto& p : pictures) {
      const QString rel = QString("skin-bmp/%1/%2.bmp").arg(skin, p.name);
      SCOPED_TRACE(rel.toStdString());
      const QByteArray bytes = ReadAll(ArtPath(rel));
      ASSERT_GE(bytes.size(), 54);
      EXPECT_EQ(Le(bytes, 18, 4), uint32_t(p.width));
      EXPECT_EQ(Le(bytes, 22, 4), uint32_t(p.height));
      EXPECT_EQ(Le(bytes, 28, 2), 24u);
    }
  }
}

// The see-through mask of a 71 x 31 face.
std::vector<bool> Mask(const QImage& image, int left, int top) {
  std::vector<bool> mask;
  for (int y = 0; y < 31; ++y) {
    for (int x = 0; x < 71; ++x)
      mask.push_back(!SeeThrough(image.pixel(left + x, top + y)));
  }
  return mask;
}

TEST(ArtFiles, ButtonFacesAreShapedByTheKeyColor) {
  const QImage btn = Load("game/BITMAP_BTN.bmp");
  const QRgb key = qRgb(0, 128, 128);
  // Between the faces there is nothing but the key colour.
  for (int y = 0; y < btn.height(); ++y) {
    for (int x : {71, 143, 215})
      EXPECT_EQ(btn.pixel(x, y), key) << x << "," << y;
  }
  for (int y = 31; y < btn.height(); y += 32) {
    for (int x = 0; x < btn.width(); ++x)
      EXPECT_EQ(btn.pixel(x, y), key) << x << "," << y;
  }
  for (int row = 0; row < 7; ++row) {
    SCOPED_TRACE(row);
    const std::vector<bool> normal = Mask(btn, 0, 32 * row);
    for (int column = 0; column < 3; ++column) {
      const int left = 72 * column, top = 32 * row;
      // Corners are cut away, the middle is solid: a rounded face, not a rectangle.
      for (const QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 30), QPoint(70, 30)}) {
        EXPECT_EQ(btn.pixel(left + corner.x(), top + corner.y()), key);
      }
      // Each line of the shape is one run: no see-through holes inside a face.
      for (int y = 0; y < 31; ++y) {
        int runs = 0;
        bool inside = false;
        for (int x = 0; x < 71; ++x) {
          const bool solid = !SeeThrough(btn.pixel(left + x, top + y));
          if (solid && !inside)
            ++runs;
          inside = solid;
        }
        EXPECT_LE(runs, 1) << "line " << y << " of column " << column;
        if (y >= 3 && y <= 27) {
          EXPECT_EQ(runs, 1) << "line " << y << " of column " << column;
        }
      }
      // The pressed and highlighted faces are drawn inside the shape taken from the normal one.
      EXPECT_EQ(Mask(btn, left, top), normal) << "column " << column;
    }
  }
  // New and Score carry a menu arrow right of x 53: a face different from the text part.
  for (int row : {0, 3}) {
    bool arrow_ink = false;
    for (int y = 8; y < 24; ++y) {
      for (int x = 55; x < 69; ++x) {
        const QRgb c = btn.pixel(x, 32 * row + y);
        if (qRed(c) > 200 && qGreen(c) > 140 && qBlue(c) < 140)
          arrow_ink = true;  // gold
      }
    }
    EXPECT_TRUE(arrow_ink) << "row " << row;
  }
  // The greyed Save face has the same shape as the Save button.
  const QImage disabled = Load("game/BITMAP_NEW_DISABLE.bmp");
  EXPECT_EQ(Mask(disabled, 0, 0), Mask(btn, 0, 64));
  for (int y = 0; y < 32; ++y)
    EXPECT_EQ(disabled.pixel(71, y), key);
  for (int x = 0; x < 72; ++x)
    EXPECT_EQ(disabled.pixel(x, 31), key);
  EXPECT_NE(disabled.copy(0, 0, 71, 31), btn.copy(0, 64, 71, 31));
}

TEST(ArtFiles, CaptionButtonsShowAPressedState) {
  const QImage caption = Load("game/BITMAP_CAPTION_BTN.bmp");
  for (int x : {0, 18, 32}) {
    SCOPED_TRACE(x);
    EXPECT_NE(caption.copy(x, 0, 16, 14), caption.copy(x, 14, 16, 14));
  }
  // The two columns that minimise and close share carry no part of minimise's own picture:
  // they look like the backdrop around it.
  for (int y = 0; y < 28; ++y) {
    const QRgb shared = caption.pixel(33, y), edge = caption.pixel(17, y);
    EXPECT_LT(std::abs(qBlue(shared) - qBlue(edge)) + std::abs(qRed(shared) - qRed(edge)), 60) << y;
  }
}

TEST(ArtFiles, BackdropLeavesQuietAreasAndTealCorners) {
  const QImage backdrop = Load("game/201.jpg");
  const auto near = [](QRgb c, QRgb want, int tolerance) {
    return std::abs(qRed(c) - qRed(want)) <= tolerance &&
           std::abs(qGreen(c) - qGreen(want)) <= tolerance &&
           std::abs(qBlue(c) - qBlue(want)) <= tolerance;
  };
  for (const QPoint p : {QPoint(2, 2), QPoint(587, 2), QPoint(2, 477), QPoint(587, 477)}) {
    EXPECT_TRUE(near(backdrop.pixel(p), qRgb(0, 128, 128), 12)) << p.x() << "," << p.y();
  }
  // Under the board and the displays the backdrop is calm: nothing that the holders would cut.
  const QRect quiet[] = {QRect(188, 78, 324, 324), QRect(251, 424, 80, 20), QRect(368, 424, 80, 20),
                         QRect(407, 54, 72, 11),   QRect(217, 54, 72, 11),  QRect(300, 32, 96, 32)};
  for (const QRect& r : quiet) {
    const QRgb first = backdrop.pixel(r.center());
    for (int y = r.top() + 2; y < r.bottom() - 1; y += 3) {
      for (int x = r.left() + 2; x < r.right() - 1; x += 3) {
        EXPECT_TRUE(near(backdrop.pixel(x, y), first, 14)) << x << "," << y;
      }
    }
  }
  // The gold ball at the left, the blue one at the right.
  const QRgb gold = backdrop.pixel(60, 200), blue = backdrop.pixel(560, 240);
  EXPECT_GT(qRed(gold), qBlue(gold) + 80);
  EXPECT_GT(qBlue(blue), qRed(blue) + 60);
}

TEST(ArtFiles, DialogTilesAreLightAndJoinWithoutSeams) {
  for (const char* tile_path : {"game/BITMAP_BACK.bmp", "csfob/BITMAP_1.bmp"}) {
    SCOPED_TRACE(tile_path);
    const QImage tile = Load(tile_path);
    // Black dialog text stays readable everywhere on the tile.
    for (int y = 0; y < tile.height(); ++y) {
      for (int x = 0; x < tile.width(); ++x)
        ASSERT_GT(qGray(tile.pixel(x, y)), 160) << x << "," << y;
    }
    // Repeated side by side, the last column runs on into the first as smoothly as inside.
    const auto step = [&](int x0, int x1, bool across) {
      long d = 0;
      for (int i = 0; i < 128; ++i) {
        const QRgb a = across ? tile.pixel(i, x0) : tile.pixel(x0, i);
        const QRgb b = across ? tile.pixel(i, x1) : tile.pixel(x1, i);
        d += std::abs(qGray(a) - qGray(b));
      }
      return d;
    };
    long inside = 0;
    for (int x = 0; x < 127; ++x)
      inside = std::max(inside, step(x, x + 1, false));
    EXPECT_LE(step(127, 0, false), inside);
    long inside_rows = 0;
    for (int y = 0; y < 127; ++y)
      inside_rows = std::max(inside_rows, step(y, y + 1, true));
    EXPECT_LE(step(127, 0, true), inside_rows);
  }
}

struct Wave {
  bool valid = false;
  int channels = 0, rate = 0, bits = 0;
  double seconds = 0, peak = 0;
};

Wave ParseWave(const QByteArray& b) {
  Wave w;
  if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
    return w;
  if (Le(b, 4, 4) != uint32_t(b.size() - 8))
    return w;
  int at = 12;
  uint32_t data_at = 0, data_size = 0;
  while (at + 8 <= b.size()) {
    const QByteArray id = b.mid(at, 4);
    const uint32_t size = Le(b, at + 4, 4);
    if (id == "fmt ") {
      if (Le(b, at + 8, 2) != 1)
        return w;  // PCM
      w.channels = int(Le(b, at + 10, 2));
      w.rate = int(Le(b, at + 12, 4));
      w.bits = int(Le(b, at + 22, 2));
    } else if (id == "data") {
      data_at = uint32_t(at + 8);
      data_size = size;
    }
    at += 8 + int(size);
  }
  if (!data_at || data_at + data_size > uint32_t(b.size()) || w.bits != 16 || w.channels != 1) {
    return w;
  }
  for (uint32_t i = 0; i + 1 < data_size; i += 2) {
    const double v = std::abs(int16_t(Le(b, int(data_at + i), 2))) / 32768.0;
    w.peak = std::max(w.peak, v);
  }
  w.seconds = double(data_size) / 2 / w.rate;
  w.valid = true;
  return w;
}

TEST(ArtFiles, SoundsAreShortCleanWaves) {
  const struct {
    const char* path;
    double min_seconds, max_seconds;
  } sounds[] = {{"game/WIN_GAME.wav", 0.6, 2.0},   {"game/QUIT_GAME.wav", 0.3, 0.999},
                {"sounds/select.wav", 0.03, 0.25}, {"sounds/move.wav", 0.02, 0.15},
                {"sounds/destroy.wav", 0.15, 0.8}, {"sounds/nopath.wav", 0.1, 0.5}};
  for (const auto& s : sounds) {
    SCOPED_TRACE(s.path);
    const Wave w = ParseWave(ReadAll(ArtPath(s.path)));
    ASSERT_TRUE(w.valid);
    EXPECT_EQ(w.rate, 22050);
    EXPECT_GE(w.seconds, s.min_seconds);
    EXPECT_LE(w.seconds, s.max_seconds);
    EXPECT_GT(w.peak, 0.3);   // audible
    EXPECT_LT(w.peak, 0.99);  // not clipped
  }
  // The four event sounds must be told apart.
  const char* events[] = {"select", "move", "destroy", "nopath"};
  for (int i = 0; i < 4; ++i) {
    for (int j = i + 1; j < 4; ++j) {
      EXPECT_NE(ReadAll(ArtPath(QString("sounds/%1.wav").arg(events[i]))),
                ReadAll(ArtPath(QString("sounds/%1.wav").arg(events[j]))));
    }
  }
}

TEST(ArtFiles, SkinFilesPackTheirFiveBitmaps) {
  for (const char* skin : {"classic", "retro", "gems"}) {
    SCOPED_TRACE(skin);
    const QByteArray sf = ReadAll(ArtPath(QString("skins/%1.sf").arg(skin)));
    ASSERT_GE(sf.size(), 20);
    QByteArray body;
    int i = 0;
    for (const char* picture : {"board", "score", "balls", "timer", "walk"}) {
      const QByteArray bmp = ReadAll(ArtPath(QString("skin-bmp/%1/%2.bmp").arg(skin, picture)));
      EXPECT_EQ(Le(sf, 4 * i++, 4), uint32_t(bmp.size())) << picture;
      body += bmp;
    }
    EXPECT_EQ(sf.mid(20), body);
  }
}

// The pictures for screens of double density are the 1x pictures drawn again at twice the
// pixels: each 2 x 2 block averages to about its 1x pixel, the finer detail makes the blocks
// differ inside (except in the retro skin's pixel art, which stays blocky by design), and each
// skin's companion carries them and names the skin file beside it.
TEST(ArtFiles, DoubleDensityPicturesAreTheSamePicturesInFinerDetail) {
  struct Pair {
    QString one, two;
    bool pixel_art;
  };
  std::vector<Pair> pairs;
  for (const char* name : {"BITMAP_BTN", "BITMAP_NEW_DISABLE", "BITMAP_CAPTION_BTN",
                           "BITMAP_BAR_MENU", "BITMAP_TYPE_GAME"}) {
    pairs.push_back({QString("game/%1.bmp").arg(name), QString("game/%1@2x.bmp").arg(name), false});
  }
  pairs.push_back({"game/201.jpg", "game/201@2x.jpg", false});
  for (const char* skin : {"classic", "retro", "gems"}) {
    for (const char* picture : {"board", "score", "balls", "timer", "walk"}) {
      pairs.push_back({QString("skin-bmp/%1/%2.bmp").arg(skin, picture),
                       QString("skin-bmp/%1@2x/%2.bmp").arg(skin, picture),
                       QString(skin) == "retro"});
    }
  }
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(pair.two.toStdString());
    const QImage one = Load(pair.one), two = Load(pair.two);
    ASSERT_FALSE(one.isNull() || two.isNull());
    ASSERT_EQ(two.size(), one.size() * 2);
    double difference = 0;
    int uneven_blocks = 0, pixels = 0;
    for (int y = 0; y < one.height(); ++y) {
      for (int x = 0; x < one.width(); ++x) {
        // Around the button faces the 1x pictures hold the key colour, the 2x ones the backdrop:
        // the buttons' shapes come from the 1x faces alone.
        if (SeeThrough(one.pixel(x, y)))
          continue;
        ++pixels;
        const QRgb block[4] = {two.pixel(2 * x, 2 * y), two.pixel(2 * x + 1, 2 * y),
                               two.pixel(2 * x, 2 * y + 1), two.pixel(2 * x + 1, 2 * y + 1)};
        for (int c = 0; c < 3; ++c) {
          const auto channel = [c](QRgb p) {
            return c == 0 ? qRed(p) : c == 1 ? qGreen(p) : qBlue(p);
          };
          const int mean =
              (channel(block[0]) + channel(block[1]) + channel(block[2]) + channel(block[3])) / 4;
          difference += std::abs(mean - channel(one.pixel(x, y)));
        }
        if (block[0] != block[1] || block[0] != block[2] || block[0] != block[3])
          ++uneven_blocks;
      }
    }
    EXPECT_LT(difference / (3.0 * pixels), 10.0);
    if (!pair.pixel_art) {
      EXPECT_GT(uneven_blocks, pixels / 10);
    }
  }
  for (const char* skin : {"classic", "retro", "gems"}) {
    SCOPED_TRACE(skin);
    std::array<std::string, skinfile::kPictureCount> pictures;
    ASSERT_TRUE(skinfile::ReadCompanion(ArtPath(QString("skins/%1.sf").arg(skin)).toStdString(),
                                        &pictures));
    int k = 0;
    for (const char* picture : {"board", "score", "balls", "timer", "walk"}) {
      const QByteArray bmp = ReadAll(ArtPath(QString("skin-bmp/%1@2x/%2.bmp").arg(skin, picture)));
      EXPECT_EQ(QByteArray::fromStdString(pictures[k++]), bmp) << picture;
    }
  }
}

// Beside each shipped skin, the names of its seven ball colours for the screen reader, written for
// that skin file's bytes so that a skin replaced under the same name does not inherit them.
TEST(ArtFiles, ColorNamesBelongToTheirSkins) {
  for (const char* skin : {"classic", "retro", "gems"}) {
    SCOPED_TRACE(skin);
    const QString sf = ArtPath(QString("skins/%1.sf").arg(skin));
    const QByteArray bytes = ReadAll(sf);
    ASSERT_FALSE(bytes.isEmpty());
    const QList<QByteArray> lines = ReadAll(sf + ".names").split('\n');
    ASSERT_EQ(lines.size(), 9);  // the first line and seven names, each ended by a line feed
    EXPECT_TRUE(lines[8].isEmpty());
    const QByteArray hash =
        QByteArray::number(qulonglong(skinfile::Fnv1a64(bytes.toStdString())), 16);
    EXPECT_EQ(lines[0].toStdString(), ("orbello-color-names 1 " + QByteArray::number(bytes.size()) +
                                       ' ' + hash.rightJustified(16, '0'))
                                          .toStdString());
    QSet<QByteArray> names;
    for (int i = 1; i <= 7; ++i) {
      EXPECT_TRUE(lines[i].size() >= 1 && lines[i].size() <= 40) << lines[i].constData();
      EXPECT_EQ(lines[i].toStdString(), lines[i].toLower().toStdString());
      names.insert(lines[i]);
    }
    EXPECT_EQ(names.size(), 7);
  }
}

TEST(ArtFiles, HelpFileIsACompiledHelpWithItsTitle) {
  QFile chm(ORBELLO_HELP_CHM);
  ASSERT_TRUE(chm.open(QIODevice::ReadOnly));
  const QByteArray bytes = chm.readAll();
  EXPECT_TRUE(bytes.startsWith("ITSF"));
  EXPECT_TRUE(bytes.contains("Corvane Orbello Help"));
  EXPECT_GT(bytes.size(), 20000);  // the pages and the window picture
}

TEST(ArtFiles, HelpFileIsCompiledToTheSameBytesAgain) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QDir work(ORBELLO_HELP_WORK);
  for (const QString& name : work.entryList(QDir::Files)) {
    if (name == "cvob.chm")
      continue;
    ASSERT_TRUE(QFile::copy(work.filePath(name), dir.filePath(name))) << name.toStdString();
  }
  QProcess chmcmd;
  chmcmd.setWorkingDirectory(dir.path());
  chmcmd.start(ORBELLO_CHMCMD, {"cvob.hhp"});
  ASSERT_TRUE(chmcmd.waitForFinished(120000));
  ASSERT_EQ(chmcmd.exitCode(), 0);
  QProcess stamps;
  stamps.start(ORBELLO_CHM_STAMPS, {dir.filePath("cvob.chm")});
  ASSERT_TRUE(stamps.waitForFinished(30000));
  ASSERT_EQ(stamps.exitCode(), 0) << stamps.readAllStandardError().toStdString();
  EXPECT_EQ(ReadAll(dir.filePath("cvob.chm")), ReadAll(ORBELLO_HELP_CHM));
}

TEST(ArtFiles, TheGeneratorWritesTheSameBytesAgain) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QProcess generator;
  generator.start(ORBELLO_ARTGEN, {dir.path()});
  ASSERT_TRUE(generator.waitForFinished(120000));
  ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
  int compared = 0;
  QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString fresh = it.next();
    const QString relative = QDir(dir.path()).relativeFilePath(fresh);
    SCOPED_TRACE(relative.toStdString());
    EXPECT_EQ(ReadAll(fresh), ReadAll(ArtPath(relative)));
    ++compared;
  }
  EXPECT_GE(compared, 35);
}

}  // namespace
}  // namespace orbello::art::testing
