// The main window on a screen of double density (QT_SCALE_FACTOR=2 on the offscreen platform): what
// reaches the screen comes from the pictures drawn for that density, not from the 1x ones blown up,
// and nothing moves.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QBuffer>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <cstring>
#include <memory>
#include <vector>

#include "game/window/main_form.h"
#include "game/window/picture_decoding.h"
#include "game/window/pictures.h"
#include "game/window/skin_density.h"
#include "game/window/testing/window_test_env.h"
#include "game/window/window_region.h"
#include "skinfile/companion.h"

namespace orbello::window {
namespace {

// Every window of this program is on a screen of double density; the scale is read when the
// application starts, so it is set before main.
const bool kDoubleDensity = qputenv("QT_SCALE_FACTOR", "2");

using testing::Access;
using testing::BallPixel;
using testing::ScriptedMessages;
using testing::TestInstallation;

// Picture k of the test skin's companion: every device pixel its own colour, so that no
// enlargement of a 1x picture can give it.
QRgb DoublePixel(int k, int x, int y) {
  return qRgb(x % 256, y % 256, 40 * k + x / 256);
}

QImage DoublePicture(int k, int scale = 2) {
  const int width = skinfile::kPictureWidth[k] * scale,
            height = skinfile::kPictureHeight[k] * scale;
  QImage image(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, DoublePixel(k, x, y));
  }
  return image;
}

// Writes the companion of `skin` from the double pictures (at `scale` times the 1x sizes).
bool WriteCompanion(TestInstallation& install, const std::string& skin, int scale = 2) {
  std::array<std::string, skinfile::kPictureCount> parts;
  for (int k = 0; k < skinfile::kPictureCount; ++k) {
    parts[k] = install.Path(QStringLiteral("skin/parts/double-%1.bmp").arg(k)).toStdString();
    if (!DoublePicture(k, scale).save(QString::fromStdString(parts[k]), "BMP"))
      return false;
  }
  std::string error;
  return skinfile::WriteCompanion(skinfile::CompanionPath(skin), skin, parts, &error);
}

class DoubleDensity : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(kDoubleDensity);
    ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
    ASSERT_TRUE(install_.WriteDefault());
    skin_ = install_.Path("skin/test.sf").toStdString();
  }

  std::unique_ptr<TMainForm1> Create() {
    auto form = std::make_unique<TMainForm1>(install_.HighScorePath());
    form->SetExitHandler([](int) {});
    status_ = form->Create();
    return form;
  }

  // What the window shows, in device pixels: its backing store, the image the platform puts on
  // the screen. (The offscreen platform's grabWindow clips it to the window's logical size.)
  static QImage Painted(TMainForm1& form) {
    QApplication::processEvents();
    QPaintDevice* device = form.backingStore()->paintDevice();
    if (device->devType() != QInternal::Image)
      return {};
    return static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
  }

  TestInstallation install_;
  ScriptedMessages messages_;
  std::string skin_;
  int status_ = -1;
};

// The first device pixel (of `size` at `at` in `shown`) that differs from `expected(x, y)`,
// both counted in device pixels; (-1, -1) when none does.
template <typename Pixel>
QPoint Mismatch(const QImage& shown, QPoint at, QSize size, Pixel expected) {
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      if (shown.pixel(at.x() + x, at.y() + y) != expected(x, y))
        return QPoint(x, y);
    }
  }
  return QPoint(-1, -1);
}

TEST_F(DoubleDensity, TheScreenShowsThePicturesDrawnForItAndNothingMoves) {
  ASSERT_TRUE(WriteCompanion(install_, skin_));
  auto form = Create();
  ASSERT_EQ(status_, 0) << messages_.Texts().join("|").toStdString();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  EXPECT_EQ(Access(*form).PictureScale(), 2);

  // Positions, sizes and shapes are those of the 1x window.
  EXPECT_EQ(form->size(), QSize(590, 480));
  EXPECT_EQ(form->mask(), MakeWindowRegion());
  EXPECT_EQ(Access(*form).Cell(40)->geometry(), QRect(144, 144, 36, 36));
  EXPECT_EQ(Access(*form).Button(0)->geometry(), QRect(110, 25, 53, 31));
  EXPECT_EQ(Access(*form).Button(11)->geometry(), QRect(358, 5, 16, 14));
  EXPECT_EQ(Access(*form).ImageScore()->mapTo(form.get(), QPoint(0, 0)), QPoint(368, 424));
  QImage btn_1x(":/game/BITMAP_BTN.bmp");
  EXPECT_EQ(Access(*form).Button(0)->mask(),
            RegionFromBitmap(btn_1x.copy(0, 0, 53, 31), qRgb(0, 128, 128), qRgb(0, 128, 128)));

  Access(*form).View().DrawBallFrame(13, 5, Picture::kBalls, 10);  // cell (1, 1)
  Access(*form).View().DrawNumber(NumberDisplay::kScore, 12345);
  const QImage shown = Painted(*form);
  ASSERT_EQ(shown.size(), QSize(1180, 960));

  // The skin: an empty board cell, a ball frame at (2, 2) of its cell, the score's digits.
  EXPECT_EQ(Mismatch(shown, 2 * QPoint(188 + 36 * 8, 78 + 36 * 8), QSize(72, 72),
                     [](int x, int y) { return DoublePixel(skinfile::kBoard, x, y); }),
            QPoint(-1, -1));
  EXPECT_EQ(
      Mismatch(shown, 2 * QPoint(188 + 36 + 2, 78 + 36 + 2), QSize(64, 64),
               [](int x, int y) { return DoublePixel(skinfile::kBalls, 64 * 13 + x, 64 * 5 + y); }),
      QPoint(-1, -1));
  for (int place = 0; place < 5; ++place) {
    EXPECT_EQ(Mismatch(shown, 2 * QPoint(368 + 16 * place, 424), QSize(32, 40),
                       [&](int x, int y) {
                         return DoublePixel(skinfile::kScore, 32 * (place + 1) + x, y);
                       }),
              QPoint(-1, -1))
        << place;
  }
  // The program's own pictures: the backdrop beside the gold buttons, the New button's face and
  // the label of the game type.
  const QImage backdrop = QImage(":/game/201@2x.jpg").convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(backdrop.size(), QSize(1180, 960));
  EXPECT_EQ(Mismatch(shown, QPoint(280, 640), QSize(40, 40),
                     [&](int x, int y) { return backdrop.pixel(280 + x, 640 + y); }),
            QPoint(-1, -1));
  const QImage faces = QImage(":/game/BITMAP_BTN@2x.bmp").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(Mismatch(shown, 2 * QPoint(110, 25) + QPoint(16, 16), QSize(70, 30),
                     [&](int x, int y) { return faces.pixel(16 + x, 16 + y); }),
            QPoint(-1, -1));
  const QImage labels =
      QImage(":/game/BITMAP_TYPE_GAME@2x.bmp").convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(Mismatch(shown, 2 * QPoint(217, 54), QSize(144, 22),
                     [&](int x, int y) { return labels.pixel(x, y); }),
            QPoint(-1, -1));
}

TEST_F(DoubleDensity, SkinsWithoutDoublePicturesOfTheirOwnAreSmoothlyEnlarged) {
  // Each case leaves the skin without usable double pictures; `balls` is the 1x balls picture
  // the skin file holds then.
  struct Case {
    const char* name;
    std::function<bool(TestInstallation&, const std::string&)> prepare;
    QImage balls;
  };
  QImage other_balls = testing::MakeBalls();
  other_balls.invertPixels();
  const Case cases[] = {
      {"a skin made by a player: no companion",
       [](TestInstallation&, const std::string&) { return true; }, testing::MakeBalls()},
      {"the skin file replaced after its companion was made",
       [&](TestInstallation& install, const std::string& skin) {
         return WriteCompanion(install, skin) && !install.WriteSkin("test.sf", other_balls).empty();
       },
       other_balls},
      {"a companion whose pictures are not twice the size",
       [](TestInstallation& install, const std::string& skin) {
         return WriteCompanion(install, skin, 3);
       },
       testing::MakeBalls()},
      {"a companion cut short",
       [](TestInstallation& install, const std::string& skin) {
         const QString path = QString::fromStdString(skinfile::CompanionPath(skin));
         return WriteCompanion(install, skin) && QFile::resize(path, QFile(path).size() - 1);
       },
       testing::MakeBalls()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(QString::fromStdString(skinfile::CompanionPath(skin_)));
    install_.WriteSkin("test.sf");
    ASSERT_TRUE(c.prepare(install_, skin_));
    auto form = Create();
    ASSERT_EQ(status_, 0) << messages_.Texts().join("|").toStdString();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Access(*form).View().DrawBallFrame(7, 3, Picture::kBalls, 10);
    const QImage tile =
        Painted(*form).copy(QRect(2 * QPoint(188 + 36 + 2, 78 + 36 + 2), QSize(64, 64)));
    const auto want = [&](int lx, int ly) { return c.balls.pixel(32 * 7 + lx, 32 * 3 + ly); };
    int steps_inside_blocks = 0;
    for (int ly = 0; ly < 32; ++ly) {
      for (int lx = 0; lx < 32; ++lx) {
        // Each 2 x 2 block of device pixels averages to its 1x pixel.
        const QRgb block[4] = {tile.pixel(2 * lx, 2 * ly), tile.pixel(2 * lx + 1, 2 * ly),
                               tile.pixel(2 * lx, 2 * ly + 1), tile.pixel(2 * lx + 1, 2 * ly + 1)};
        const int blue =
            (qBlue(block[0]) + qBlue(block[1]) + qBlue(block[2]) + qBlue(block[3])) / 4;
        ASSERT_NEAR(blue, qBlue(want(lx, ly)), 3) << lx << "," << ly;
        ASSERT_EQ(qRed(block[0]), qRed(want(lx, ly))) << lx << "," << ly;
        if (block[0] != block[1])
          ++steps_inside_blocks;
      }
    }
    // Not blown up pixel by pixel: the blue ramp runs on inside the blocks.
    EXPECT_GT(steps_inside_blocks, 500);
    // The tile's edge takes nothing from its neighbour in the balls picture (frame 6, whose
    // pixels differ in red).
    for (int y = 0; y < 64; ++y)
      ASSERT_EQ(qRed(tile.pixel(0, y)), qRed(want(0, y / 2))) << y;
  }

  // A companion chosen as the skin itself does not load as one.
  ASSERT_TRUE(WriteCompanion(install_, skin_));
  GameSettings settings = install_.DefaultSettings();
  settings.SetPath(kSlotSkin, skinfile::CompanionPath(skin_));
  ASSERT_TRUE(install_.WriteSettings(settings));
  messages_.seen.clear();
  auto form = Create();
  EXPECT_EQ(status_, 1);
  EXPECT_TRUE(messages_.Saw("Unable to load skin: [" + skinfile::CompanionPath(skin_) + "]"))
      << messages_.Texts().join("|").toStdString();
}

// Skin pictures of the usual kind are decoded by the game's own reader; it must give exactly what
// the general reader gives, whatever the row padding, the row order or a cut-off file, and leave
// every other kind to it.
TEST(SkinPictureDecoding, GivesWhatTheGeneralReaderGives) {
  auto bmp_of = [](const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
  };
  auto general = [](const std::string& bmp) {
    return QImage::fromData(reinterpret_cast<const uchar*>(bmp.data()),
                            static_cast<int>(bmp.size()), "BMP")
        .convertToFormat(QImage::Format_RGB32);
  };
  std::vector<std::string> cases;
  for (int width : {1, 2, 3, 5, 36}) {
    QImage image(width, 7, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < width; ++x)
        image.setPixel(x, y, qRgb(37 * x + y, 11 * y + 3 * x, (x * y * 29) % 256));
    }
    image.setDotsPerMeterX(2835 + width);
    const std::string plain = bmp_of(image);
    ASSERT_EQ(static_cast<unsigned char>(plain[28]), 24) << "not the usual kind";
    cases.push_back(plain);
    // Rows from the top down: a negative height, the rows in reverse order.
    std::string top_down = plain;
    const int32_t rows = -image.height();
    std::memcpy(top_down.data() + 22, &rows, 4);
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < image.height(); ++y) {
      std::memcpy(top_down.data() + 54 + stride * y,
                  plain.data() + 54 + stride * (image.height() - 1 - y), stride);
    }
    cases.push_back(top_down);
    cases.push_back(bmp_of(image.convertToFormat(QImage::Format_Indexed8)));
    // A cut-off file goes to the general reader too (which leaves the missing rows undefined, so
    // only that it loads can be compared).
    const std::string cut = plain.substr(0, plain.size() - 1);
    EXPECT_EQ(DecodeBitmap(cut).size(), general(cut).size());
    // Only the usual kind, whole, counts as decoded directly (the skin then decodes it later).
    EXPECT_EQ(DirectlyDecodedSize(plain), image.size());
    EXPECT_EQ(DirectlyDecodedSize(top_down), image.size());
    EXPECT_FALSE(DirectlyDecodedSize(cut) || DirectlyDecodedSize(cases.back()));
  }
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    const QImage ours = DecodeBitmap(cases[i]);
    const QImage theirs = general(cases[i]);
    ASSERT_FALSE(theirs.isNull());
    EXPECT_EQ(ours, theirs);
    EXPECT_EQ(ours.dotsPerMeterX(), theirs.dotsPerMeterX());
    EXPECT_EQ(ours.dotsPerMeterY(), theirs.dotsPerMeterY());
  }
}

// The backdrops and the icon are read without the toolkit's plug-ins: the same pixels, and a
// damaged or foreign file is refused without harm.
TEST(SkinPictureDecoding, BackdropsAndIconGiveWhatTheGeneralReaderGives) {
  auto bytes_of = [](const char* name) {
    QFile file(QString::fromLatin1(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll().toStdString();
  };
  for (const char* name : {":/game/201.jpg", ":/game/201@2x.jpg"}) {
    SCOPED_TRACE(name);
    const std::string jpeg = bytes_of(name);
    const QImage theirs = QImage::fromData(QByteArray::fromStdString(jpeg), "JPG")
                              .convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(theirs.isNull());
    EXPECT_EQ(DecodeJpeg(jpeg), theirs);
    // A file cut short decodes as far as it goes, as the general reader does.
    EXPECT_FALSE(DecodeJpeg(jpeg.substr(0, jpeg.size() / 2)).isNull());
    EXPECT_TRUE(DecodeJpeg(jpeg.substr(0, 200)).isNull());
  }
  const std::string png = bytes_of(":/game/MAINICON.png");
  const QImage icon = QImage::fromData(QByteArray::fromStdString(png), "PNG")
                          .convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(DecodePng(png), icon);
  for (const std::string& foreign : {std::string(), std::string("BM\0\0", 4), png}) {
    EXPECT_TRUE(DecodeJpeg(foreign).isNull());
  }
  for (const std::string& foreign :
       {std::string(), png.substr(0, png.size() / 2), bytes_of(":/game/201.jpg")}) {
    EXPECT_TRUE(DecodePng(foreign).isNull());
  }
}

}  // namespace
}  // namespace orbello::window
