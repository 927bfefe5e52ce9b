// The dialogs of the three programs in the language of the environment (LANGUAGE, or the
// pseudo-language with ORBELLO_PSEUDO_LANGUAGE=1): every text fits the control that draws it,
// measured with the font the control draws with; and in German, our words and Qt's own are German.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "game/records/core/highscores.h"
#include "game/records/core/settings.h"
#include "game/records/dialogs/dialog_test_support.h"
#include "game/records/dialogs/dialogs.h"
#include "game/window/about/about.h"
#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/language.h"
#include "platform/qt/translation.h"
#include "skincompiler/compiler_window.h"
#include "uninstaller/uninstall_dialog.h"

namespace orbello {
namespace {

using testing::WithModal;

// The place inside a check box or radio button where its text goes.
QRect ChoiceTextRect(QAbstractButton* button, QStyle::SubElement element) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  return button->style()->subElementRect(element, &option, button);
}

// Every control under `root` whose text is wider (or, wrapped, taller) than the room it is
// drawn in, as "class 'text'".
QStringList ClippedTexts(QWidget* root) {
  QStringList clipped;
  const auto check = [&](QWidget* control, const QString& text, const QRect& room, bool wrap) {
    if (text.isEmpty())
      return;
    const QFontMetrics metrics(control->font());
    const int flags = Qt::TextShowMnemonic | (wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
    QRect drawn = metrics.boundingRect(room, flags | Qt::AlignLeft | Qt::AlignTop, text);
    if (!wrap) {
      // One line is as wide as its advance, the measure the controls lay themselves out by.
      QString shown = text;
      shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
      drawn.setWidth(metrics.horizontalAdvance(shown));
    }
    if (drawn.width() > room.width() || (wrap && drawn.height() > room.height())) {
      clipped << QStringLiteral("%1 '%2' needs %3x%4 in %5x%6")
                     .arg(QString::fromLatin1(control->metaObject()->className()), text)
                     .arg(drawn.width())
                     .arg(drawn.height())
                     .arg(room.width())
                     .arg(room.height());
    }
  };
  for (QWidget* control : root->findChildren<QWidget*>()) {
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
      check(box, box->text(), ChoiceTextRect(box, QStyle::SE_CheckBoxContents), false);
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
      check(radio, radio->text(), ChoiceTextRect(radio, QStyle::SE_RadioButtonContents), false);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      // The dotted focus frame sits 4 pixels inside the button's edge; the text stays inside it.
      check(button, button->text(), button->rect().adjusted(4, 0, -4, 0), false);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
      check(label, label->text(), label->contentsRect(), label->wordWrap());
    } else if (auto* text = qobject_cast<kit::DialogText*>(control)) {
      check(text, text->Text(), text->rect(), text->WordWrap());
    } else if (auto* group = qobject_cast<kit::GroupLabel*>(control)) {
      check(group, group->Text(), group->rect(), false);
    }
  }
  return clipped;
}

class TranslatedDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(platform::UiLanguage().isEmpty()) << "run with LANGUAGE or the pseudo-language";
    ASSERT_TRUE(platform::InstallTranslations())
        << "no catalogue for " << platform::UiLanguage().toStdString();
    ASSERT_TRUE(home_.isValid());
    qputenv("HOME", QFile::encodeName(home_.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path() + "/.config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.path() + "/.local/share"));
  }

  QStringList SettingsClipped() {
    QStringList clipped;
    GameSettings settings;
    WithModal([&] { ShowSettingsDialog(nullptr, settings); },
              [&](QDialog* dialog) {
                clipped = ClippedTexts(dialog);
                dialog->done(0);
              });
    return clipped;
  }

  QTemporaryDir home_;
};

TEST_F(TranslatedDialogs, EveryTextFitsItsControl) {
  // Words of our own are in the language (the pseudo-language accents nearly every word).
  EXPECT_NE(QCoreApplication::translate("Settings", "Cancel"), QStringLiteral("Cancel"));

  {
    const QStringList clipped_texts = SettingsClipped();
    EXPECT_TRUE(clipped_texts.isEmpty()) << "Settings"
                                         << ": " << clipped_texts.join(u'\n').toStdString();
  }

  const std::string scores_file = home_.path().toStdString() + "/cvobhs.dat";
  std::ofstream(scores_file, std::ios::binary) << std::string(960, '\0');
  HighScores scores(scores_file);
  for (int32_t type : {kLines, kSquares, kBlocks}) {
    QStringList clipped;
    QString title;
    WithModal([&] { ShowBestResults(nullptr, nullptr, scores, type, true, 650); },
              [&](QDialog* dialog) {
                clipped = ClippedTexts(dialog);
                title = dialog->windowTitle();
                dialog->done(0);
              });
    {
      const QStringList clipped_texts = clipped;
      EXPECT_TRUE(clipped_texts.isEmpty()) << "Best results"
                                           << ": " << clipped_texts.join(u'\n').toStdString();
    }
    EXPECT_FALSE(title.startsWith(QStringLiteral("The best results"))) << title.toStdString();
  }

  QStringList about;
  WithModal([&] { ShowAbout(nullptr, nullptr); },
            [&](QDialog* dialog) {
              about = ClippedTexts(dialog);
              dialog->done(0);
            });
  {
    const QStringList clipped_texts = about;
    EXPECT_TRUE(clipped_texts.isEmpty()) << "About"
                                         << ": " << clipped_texts.join(u'\n').toStdString();
  }

  csfob::CompilerWindow compiler(QImage(QStringLiteral(":/csfob/BITMAP_1.bmp")), QPixmap());
  ASSERT_TRUE(compiler.IsBuilt());
  {
    const QStringList clipped_texts = ClippedTexts(&compiler);
    EXPECT_TRUE(clipped_texts.isEmpty()) << "skin compiler"
                                         << ": " << clipped_texts.join(u'\n').toStdString();
  }

  uninstaller::UninstallDialog uninstall([] { return false; });
  {
    const QStringList clipped_texts = ClippedTexts(&uninstall);
    EXPECT_TRUE(clipped_texts.isEmpty()) << "uninstaller"
                                         << ": " << clipped_texts.join(u'\n').toStdString();
  }
}

// Only run in German: the dialogs speak German, and so do Qt's own buttons and file chooser.
TEST_F(TranslatedDialogs, GermanDialogsAndQtsOwnWords) {
  ASSERT_EQ(platform::UiLanguage(), QStringLiteral("de"));
  GameSettings settings;
  QString title, cancel;
  WithModal([&] { ShowSettingsDialog(nullptr, settings); },
            [&](QDialog* dialog) {
              title = dialog->windowTitle();
              if (auto* button = qobject_cast<QPushButton*>(
                      kit::FindDialogControl(dialog, kIdSettingsCancel))) {
                cancel = button->text();
              }
              dialog->done(0);
            });
  EXPECT_EQ(title, QString::fromUtf8("Orbello – Einstellungen"));
  EXPECT_EQ(cancel, QStringLiteral("Abbrechen"));

  QFileDialog chooser;
  chooser.setOption(QFileDialog::DontUseNativeDialog, true);
  auto* name_label = chooser.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
  ASSERT_NE(name_label, nullptr);
  EXPECT_NE(name_label->text(), QStringLiteral("File &name:"));
  QStringList buttons;
  for (QPushButton* button : chooser.findChildren<QPushButton*>())
    buttons << button->text().remove(u'&');
  EXPECT_TRUE(buttons.contains(QStringLiteral("Abbrechen"))) << buttons.join(u',').toStdString();
}

}  // namespace
}  // namespace orbello
