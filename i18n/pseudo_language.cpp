// Writes the catalogue of the pseudo-language "xx" from a catalogue's source texts: every text
// about 40 % longer and accented, with its placeholders (%1, %n, %L1), mnemonics (&) and line
// breaks kept, so that a clipped or untranslated text shows at a glance and in the tests.
//   orbello_pseudo_language IN.ts OUT.ts
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

QChar Accented(QChar c) {
  static const QHash<QChar, QChar> accents = [] {
    QHash<QChar, QChar> map;
    const QString plain = QStringLiteral("aceinosuyzACEINOSUYZ");
    const QString marked = QString::fromUtf8("áçéîñöšûýžÁÇÉÎÑÖŠÛÝŽ");
    for (qsizetype i = 0; i < plain.size(); ++i)
      map.insert(plain[i], marked[i]);
    return map;
  }();
  return accents.value(c, c);
}

QString Pseudo(const QString& text) {
  QString out;
  int letters = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'%') {
      // %1, %n, %L1: copied as they are.
      qsizetype end = i + 1;
      if (end < text.size() && text[end] == u'L')
        ++end;
      while (end < text.size() && (text[end].isDigit() || text[end] == u'n'))
        ++end;
      out += text.mid(i, end - i);
      i = end - 1;
      continue;
    }
    if (c == u'&') {
      // The mnemonic mark and its letter, or a doubled &&, unchanged.
      out += text.mid(i, 2);
      ++i;
      continue;
    }
    if (!c.isLetter()) {
      out += c;
      continue;
    }
    out += Accented(c);
    // Two letters of every five doubled: 40 % more, spread over every word.
    ++letters;
    if (letters % 5 == 2 || letters % 5 == 4)
      out += Accented(c);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fputs("usage: orbello_pseudo_language IN.ts OUT.ts\n", stderr);
    return 2;
  }
  QFile in(QString::fromLocal8Bit(argv[1]));
  QFile out(QString::fromLocal8Bit(argv[2]));
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    std::fprintf(stderr, "orbello_pseudo_language: cannot open %s or %s\n", argv[1], argv[2]);
    return 1;
  }
  QXmlStreamReader reader(&in);
  QXmlStreamWriter writer(&out);
  writer.setAutoFormatting(true);
  writer.writeStartDocument();
  writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
  writer.writeStartElement(QStringLiteral("TS"));
  writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
  // English plural rules: two forms.
  writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
  QString source;
  QString comment;
  bool numerus = false;
  while (!reader.atEnd()) {
    reader.readNext();
    if (reader.isStartElement()) {
      const auto name = reader.name();
      if (name == u"context") {
        writer.writeStartElement(QStringLiteral("context"));
      } else if (name == u"name") {
        writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
      } else if (name == u"message") {
        numerus = reader.attributes().value(QLatin1String("numerus")) == u"yes";
        source.clear();
        comment.clear();
      } else if (name == u"source") {
        source = reader.readElementText();
      } else if (name == u"comment") {
        comment = reader.readElementText();
      }
    } else if (reader.isEndElement()) {
      const auto name = reader.name();
      if (name == u"context") {
        writer.writeEndElement();
      } else if (name == u"message") {
        writer.writeStartElement(QStringLiteral("message"));
        if (numerus)
          writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
        writer.writeTextElement(QStringLiteral("source"), source);
        if (!comment.isEmpty())
          writer.writeTextElement(QStringLiteral("comment"), comment);
        if (numerus) {
          writer.writeStartElement(QStringLiteral("translation"));
          writer.writeTextElement(QStringLiteral("numerusform"), Pseudo(source));
          writer.writeTextElement(QStringLiteral("numerusform"), Pseudo(source));
          writer.writeEndElement();
        } else {
          writer.writeTextElement(QStringLiteral("translation"), Pseudo(source));
        }
        writer.writeEndElement();
      }
    }
  }
  writer.writeEndElement();
  writer.writeEndDocument();
  if (reader.hasError()) {
    std::fprintf(stderr, "orbello_pseudo_language: %s: %s\n", argv[1],
                 qPrintable(reader.errorString()));
    return 1;
  }
  return 0;
}
