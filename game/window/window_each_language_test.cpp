// The game starts in the language of the environment (LANGUAGE, one run per shipped language): the
// window says the engine's question, the records' failures and the game-type menu in it, and a
// screen reader hears the board's cells in it.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "game/window/accessible_board.h"
#include "game/window/main_form.h"
#include "game/window/startup.h"
#include "game/window/testing/window_test_env.h"
#include "platform/qt/language.h"
#include "platform/qt/translation.h"

namespace orbello::window {
namespace {

using testing::ScriptedMessages;
using testing::TestInstallation;

// The question after a game that entered the best results, as a native player reads it.
const std::map<QString, QString>& ExpectedQuestions() {
  static const std::map<QString, QString> questions = {
      {"de", "Neues Spiel beginnen?"},
      {"fr", "Commencer une nouvelle partie ?"},
      {"es", "¿Empezar una nueva partida?"},
      {"it", "Iniziare una nuova partita?"},
      {"pt_BR", "Começar uma nova partida?"},
      {"pl", "Rozpocząć nową grę?"},
      {"ru", "Начать новую игру?"},
      {"uk", "Почати нову гру?"},
      {"zh_CN", "开始新游戏吗？"},
      {"ja", "新しいゲームを始めますか？"},
  };
  return questions;
}

TEST(WindowLanguage, TheGameStartsAndSpeaksInThePlayersLanguage) {
  const QString language = platform::UiLanguage();
  ASSERT_TRUE(ExpectedQuestions().count(language)) << "run with LANGUAGE set to a shipped language";
  ASSERT_TRUE(platform::InstallTranslations()) << "no catalogue for " << language.toStdString();

  TestInstallation install;
  ASSERT_TRUE(install.WriteDefault());
  ScriptedMessages messages;
  messages.answer = [](const platform::MessageRequest&) { return platform::kIdNo; };
  SayRecordsInTheLanguage();

  TMainForm1 form(install.HighScorePath());
  ASSERT_EQ(form.Create(), 0) << messages.Texts().join("|").toStdString();
  form.show();
  GameWorld& world = form;
  EXPECT_FALSE(world.AskYesNo(EngineMessage::kBeginNewGame, false));
  platform::ShowError("Can't read data from cvobhs.dat");
  ASSERT_EQ(messages.seen.size(), 2u);
  EXPECT_EQ(QString::fromLocal8Bit(messages.seen[0].text), ExpectedQuestions().at(language));
  EXPECT_EQ(messages.seen[0].caption, "Orbello");
  const QString failure = QString::fromLocal8Bit(messages.seen[1].text);
  EXPECT_TRUE(failure.contains(QLatin1String("cvobhs.dat")) &&
              failure != QLatin1String("Can't read data from cvobhs.dat"))
      << failure.toStdString();
  // The game-type menu carries the catalogue's words.
  ASSERT_NE(testing::Access(form).GameMenu(), nullptr);
  const QString squares = testing::Access(form).GameMenu()->Items().at(1).text;
  EXPECT_EQ(squares, platform::Translate("GameWindow", "Squares"));
  EXPECT_NE(squares, QLatin1String("Squares"));
  const QString cell = EmptyCellName(40);
  EXPECT_TRUE(cell.startsWith(QLatin1String("E5")) && cell != QLatin1String("E5: empty"))
      << cell.toStdString();
}

}  // namespace
}  // namespace orbello::window
