#include "face_words.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QList>

#include <cmath>

namespace orbello::art {

namespace {

FaceWords Words(const char* language, std::array<const char*, 7> commands,
                std::array<const char*, 3> types, const char* champion, const char* score) {
  FaceWords words;
  words.language = QString::fromUtf8(language);
  for (size_t i = 0; i < commands.size(); ++i)
    words.commands[i] = QString::fromUtf8(commands[i]);
  for (size_t i = 0; i < types.size(); ++i)
    words.game_types[i] = QString::fromUtf8(types[i]);
  words.champion = QString::fromUtf8(champion);
  words.score = QString::fromUtf8(score);
  return words;
}

FaceWords Pseudo(const FaceWords& english) {
  FaceWords words = english;
  words.language = QStringLiteral("xx");
  words.shipped = false;
  for (QString& w : words.commands)
    w = PseudoWord(w);
  for (QString& w : words.game_types)
    w = PseudoWord(w);
  words.champion = PseudoWord(words.champion);
  words.score = PseudoWord(words.score);
  return words;
}

}  // namespace

const std::vector<FaceWords>& AllFaceWords() {
  static const std::vector<FaceWords> all = [] {
    std::vector<FaceWords> v = {
        Words("", {"New", "Load", "Save", "Score", "Set", "About", "Quit"},
              {"Lines", "Squares", "Blocks"}, "CHAMPION", "SCORE"),
        Words("de", {"Neu", "Laden", "Sichern", "Rekorde", "Optionen", "Info", "Beenden"},
              {"Linien", "Quadrate", "Blöcke"}, "REKORD", "PUNKTE"),
        Words("fr", {"Nouveau", "Charger", "Enreg.", "Records", "Options", "À propos", "Quitter"},
              {"Lignes", "Carrés", "Blocs"}, "RECORD", "SCORE"),
        Words("es", {"Nuevo", "Cargar", "Guardar", "Récords", "Opciones", "Acerca", "Salir"},
              {"Líneas", "Cuadrados", "Bloques"}, "RÉCORD", "PUNTOS"),
        Words("it", {"Nuovo", "Carica", "Salva", "Record", "Opzioni", "Info", "Esci"},
              {"Linee", "Quadrati", "Blocchi"}, "RECORD", "PUNTI"),
        Words("pt_BR", {"Novo", "Abrir", "Salvar", "Placar", "Opções", "Sobre", "Sair"},
              {"Linhas", "Quadrados", "Blocos"}, "RECORDE", "PONTOS"),
        Words("pl", {"Nowa", "Wczytaj", "Zapisz", "Rekordy", "Opcje", "O grze", "Zakończ"},
              {"Linie", "Kwadraty", "Bloki"}, "REKORD", "WYNIK"),
        Words("ru", {"Новая", "Открыть", "Сохр.", "Лидеры", "Настр.", "Об игре", "Выход"},
              {"Линии", "Квадраты", "Блоки"}, "РЕКОРД", "СЧЁТ"),
        Words("uk", {"Нова", "Відкрити", "Зберегти", "Рекорди", "Налашт.", "Про гру", "Вихід"},
              {"Лінії", "Квадрати", "Блоки"}, "РЕКОРД", "РАХУНОК"),
        Words("zh_CN", {"新局", "载入", "保存", "排行", "设置", "关于", "退出"},
              {"直线", "方形", "色块"}, "最高分", "得分"),
        Words("ja", {"新規", "開く", "保存", "記録", "設定", "情報", "終了"},
              {"ライン", "スクエア", "ブロック"}, "最高記録", "得点"),
    };
    v.push_back(Pseudo(v.front()));
    return v;
  }();
  return all;
}

const FaceWords& EnglishWords() {
  return AllFaceWords().front();
}

QString ColorName(const QString& language, const QString& english) {
  struct Row {
    const char* language;
    std::array<const char*, 7> names;
  };
  // In the order of the English names; each agrees with the language's word for a ball.
  static const char* const kEnglish[7] = {"red",        "green",  "blue",  "yellow",
                                          "light blue", "purple", "orange"};
  static const Row kRows[] = {
      {"de", {"rote", "grüne", "blaue", "gelbe", "hellblaue", "violette", "orange"}},
      {"fr", {"rouge", "verte", "bleue", "jaune", "bleu clair", "violette", "orange"}},
      {"es", {"roja", "verde", "azul", "amarilla", "celeste", "morada", "naranja"}},
      {"it", {"rossa", "verde", "blu", "gialla", "azzurra", "viola", "arancione"}},
      {"pt_BR", {"vermelha", "verde", "azul", "amarela", "azul-clara", "roxa", "laranja"}},
      {"pl",
       {"czerwona", "zielona", "niebieska", "żółta", "błękitna", "fioletowa", "pomarańczowa"}},
      {"ru", {"красный", "зелёный", "синий", "жёлтый", "голубой", "фиолетовый", "оранжевый"}},
      {"uk", {"червона", "зелена", "синя", "жовта", "блакитна", "фіолетова", "помаранчева"}},
      {"zh_CN", {"红色", "绿色", "蓝色", "黄色", "浅蓝色", "紫色", "橙色"}},
      {"ja", {"赤", "緑", "青", "黄色", "水色", "紫", "オレンジ"}},
  };
  for (const Row& row : kRows) {
    if (language != QLatin1String(row.language))
      continue;
    for (int i = 0; i < 7; ++i) {
      if (english == QLatin1String(kEnglish[i]))
        return QString::fromUtf8(row.names[i]);
    }
  }
  return {};
}

QString PseudoWord(const QString& english) {
  static const QString kPlain = QStringLiteral("AaCcEeIiNnOoSsUuYy");
  static const QString kAccented = QStringLiteral("ÅåÇçÉéÎîÑñÖöŠšÜüÝý");
  QString word;
  for (QChar c : english) {
    const qsizetype at = kPlain.indexOf(c);
    word += at >= 0 ? kAccented[at] : c;
  }
  // Padded to 1.4 times the letters, so that a picture made for English words shows the clipping.
  const qsizetype target = static_cast<qsizetype>(std::ceil(english.size() * 1.4));
  while (word.size() < target)
    word += english == english.toUpper() ? QChar(u'Ø') : QChar(u'ø');
  return word;
}

bool IsCjk(const QString& language) {
  return language == u"zh_CN" || language == u"ja";
}

QString LabelFamily(const QString& language) {
  if (language == u"zh_CN")
    return QStringLiteral("Noto Sans CJK SC");
  if (language == u"ja")
    return QStringLiteral("Noto Sans CJK JP");
  return QStringLiteral("DejaVu Sans");
}

bool LoadLabelFonts() {
  // Debian's fonts-dejavu-extra for longer words, fonts-noto-cjk (one collection holds the
  // Chinese and the Japanese faces) for Chinese and Japanese.
  return QFontDatabase::addApplicationFont(QStringLiteral(
             "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf")) >= 0 &&
         QFontDatabase::addApplicationFont(
             QStringLiteral("/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc")) >= 0;
}

bool FontCovers(const QFont& font, const QString& text) {
  const QFontMetricsF metrics(font);
  for (const uint c : text.toUcs4()) {
    if (!metrics.inFontUcs4(c))
      return false;
  }
  return true;
}

}  // namespace orbello::art
