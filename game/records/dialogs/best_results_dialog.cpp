// "The best results": the ten entries of one variant, and the name of a new champion.
#include <QColor>
#include <QCoreApplication>
#include <cstring>

#include "game/records/core/highscores.h"
#include "game/records/dialogs/dialogs.h"
#include "platform/core/message.h"
#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/kit/kit.h"

namespace orbello {

namespace {

constexpr int kNameLimit = 25;  // with its terminating zero a name fits the 28-byte field
const QColor kNewRecordColor(255, 0, 128);

// The titles by game type, after the plain one for a type that is none of the three.
constexpr const char* kTitles[] = {QT_TRANSLATE_NOOP("BestResults", "The best results"),
                                   QT_TRANSLATE_NOOP("BestResults", "The best results for Lines"),
                                   QT_TRANSLATE_NOOP("BestResults", "The best results for Squares"),
                                   QT_TRANSLATE_NOOP("BestResults", "The best results for Blocks")};
static_assert(kLines == 1 && kSquares == 2 && kBlocks == 3);

QString Title(int32_t game_type) {
  const bool known = game_type >= kLines && game_type <= kBlocks;
  return QCoreApplication::translate("BestResults", kTitles[known ? game_type : 0]);
}

// Names are 8-bit characters; they are shown and typed as ISO 8859-1.
QString NameText(const THighScoreEntry& entry) {
  return QString::fromLatin1(entry.PlayerName,
                             static_cast<qsizetype>(strnlen(entry.PlayerName, kPlayerNameSize)));
}

class BestResultsDialog : public kit::LookDialog {
 public:
  BestResultsDialog(QWidget* owner, HighScores& scores, int32_t game_type)
      : kit::LookDialog(owner, QSize(kit::DialogUnitsX(179), kit::DialogUnitsY(178)),
                        Title(game_type)),
        scores_(scores),
        game_type_(game_type) {}

  bool Open(QWidget* board_panel, bool new_record_mode, uint32_t score) {
    if (!LoadBackground(QString::fromLatin1(kDialogBackResource)))
      return false;
    if (board_panel != nullptr) {
      move(board_panel->mapToGlobal(QPoint(25, 6)));
    } else if (parentWidget() != nullptr) {
      kit::CentreOver(this, parentWidget()->frameGeometry());
    }
    for (int r = 0; r < kHighScoreRows; ++r) {
      kit::TextField* name = kit::NewDialogField(this, 1039 + 2 * r, QRect(7, 24 * r + 4, 200, 21));
      kit::TextField* points =
          kit::NewDialogField(this, 1040 + 2 * r, QRect(211, 24 * r + 4, 50, 21));
      points->SetRightAligned(true);
      name->setEnabled(false);
      points->setEnabled(false);
      names_[static_cast<size_t>(r)] = name;
      points_[static_cast<size_t>(r)] = points;
    }
    ok_ = new kit::DialogButton(QCoreApplication::translate("BestResults", "Ok"), this,
                                kIdBestResultsOk, QRect(201, 257, 60, 22));
    connect(ok_, &QPushButton::clicked, this, [this] { AcceptName(); });

    if (!scores_.InsertNewRecord(game_type_, new_record_mode, score))
      return false;

    row_ = scores_.NewRecordRow();
    const HighScoreTable& table = scores_.Table();
    for (int r = 0; r < kHighScoreRows; ++r) {
      const THighScoreEntry& entry = table[static_cast<size_t>(r)];
      const QString name = NameText(entry);
      const QString points = QString::number(entry.Points);
      names_[static_cast<size_t>(r)]->SetText(name);
      points_[static_cast<size_t>(r)]->SetText(points);
      // A reader goes row by row: "3. Anna, 120"; the new row asks for the name to be typed.
      const QString place = QString::number(r + 1) + ". ";
      const QString shown =
          r == row_ ? QCoreApplication::translate("BestResults", "Type your name") : name;
      names_[static_cast<size_t>(r)]->setAccessibleName(
          place + (shown.isEmpty() ? points : shown + ", " + points));
      points_[static_cast<size_t>(r)]->setAccessibleName(
          place + QCoreApplication::translate("BestResults", "Points"));
    }

    if (row_ >= 0 && row_ < kHighScoreRows) {
      kit::TextField* name = names_[static_cast<size_t>(row_)];
      name->setEnabled(true);
      name->SetReadOnly(false);
      name->SetMaxLength(kNameLimit);
      name->SetLatin1Only(true);
      name->SetTextColor(kNewRecordColor);
      name->MoveCaretToEnd();  // typing goes after "Pretender", Backspace takes it away
      points_[static_cast<size_t>(row_)]->SetTextColor(kNewRecordColor);
      SetFocusCycle({name, ok_});
      name->setFocus(Qt::OtherFocusReason);
    } else {
      row_ = kNoNewRecordRow;
      SetFocusCycle({ok_});
      ok_->setFocus(Qt::OtherFocusReason);
    }
    return true;
  }

 private:
  void AcceptName() {
    if (row_ != kNoNewRecordRow)
      scores_.NameNewRecord(names_[static_cast<size_t>(row_)]->Text().toLatin1().toStdString());
    CloseWith(kIdBestResultsOk);
  }

  HighScores& scores_;
  int32_t game_type_;
  int row_ = kNoNewRecordRow;
  std::array<kit::TextField*, kHighScoreRows> names_{};
  std::array<kit::TextField*, kHighScoreRows> points_{};
  kit::DialogButton* ok_ = nullptr;
};

}  // namespace

int ShowBestResults(QWidget* owner, QWidget* board_panel, HighScores& scores, int32_t game_type,
                    bool new_record_mode, uint32_t score) {
  BestResultsDialog dialog(owner, scores, game_type);
  if (!dialog.Open(board_panel, new_record_mode, score))
    return kIdDialogFailed;
  return dialog.exec();
}

}  // namespace orbello
