// Helpers shared by the art tests: reading the generated files.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

namespace orbello::art::testing {

inline QString ArtPath(const QString& relative) {
  return QStringLiteral(ORBELLO_ART_DIR "/") + relative;
}

inline QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  return file.readAll();
}

// A pixel that the buttons' shape rule treats as see-through: red 0, green and blue 128..255.
inline bool SeeThrough(QRgb c) {
  return qRed(c) == 0 && qGreen(c) >= 128 && qBlue(c) >= 128;
}

inline QImage Load(const QString& relative) {
  return QImage(ArtPath(relative)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace orbello::art::testing
