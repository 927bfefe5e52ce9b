// The look of the hand-drawn dialogs (Settings, the best results, About): a background tiled from
// one picture, owner-drawn push buttons, transparent labels, self-painting sliders and a focus
// order of our own, drawn with the kit's font, edges and focus rectangle.
#pragma once

#include <QAbstractSlider>
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/qt/kit/kit.h"
#include "platform/qt/kit/text_field.h"

namespace orbello::kit {

// Dialog units of the 8-point dialog font: 1 horizontal unit = 1.5 px, 1 vertical = 1.625 px,
// rounded to the nearest pixel as the system's conversion does.
int DialogUnitsX(int units);
int DialogUnitsY(int units);
QRect DialogUnitRect(int x, int y, int width, int height);

// A 24-bit image of `client_size` filled by repeating `bitmap` from the top-left corner in both
// directions. A null image when the bitmap is null or the size is empty.
QImage BuildDialogBackground(const QImage& bitmap, QSize client_size);

// Draws a push button of `rect` (in painter coordinates): the dialog background under it
// (`background`, the same size as `rect`), a standard push-button frame, the caption centred on
// one line in the dialog font. Pressed: frame pushed, caption 2 px right and down. Disabled: the
// face darkened to 85 per cent and the caption embossed. Focused: a focus rectangle 4 px inside.
void DrawDialogButton(QPainter& painter, const QRect& rect, const QString& caption,
                      const QImage& background, const ButtonFace& face);

// Every control of these dialogs carries its resource id; tests and callers find it with this.
inline constexpr char kDialogIdProperty[] = "dialog_id";
void SetDialogId(QWidget* widget, int id);
QWidget* FindDialogControl(const QWidget* dialog, int id);

// The base of the game's dialogs: fixed client size, caption and close box only, the background
// painted on every paint request, Enter and Escape swallowed, Tab and Shift+Tab following a
// cycle of our own, the text colour followed when the system colours change.
class LookDialog : public QDialog {
  Q_OBJECT

 public:
  LookDialog(QWidget* owner, QSize client_size, const QString& caption);

  // Loads the tile at `path` and builds the background from it; false when there is none.
  bool LoadBackground(const QString& path);
  const QImage& Background() const { return background_; }
  // The part of the background under `widget` (a descendant), of the widget's size.
  QImage BackgroundUnder(const QWidget* widget) const;

  // The Tab cycle; Shift+Tab runs it backwards. Disabled or hidden controls are skipped.
  void SetFocusCycle(std::vector<QWidget*> cycle) { cycle_ = std::move(cycle); }
  const std::vector<QWidget*>& FocusCycle() const { return cycle_; }

  // Closes the dialog with `id` (the id of the button that closed it).
  void CloseWith(int id) { done(id); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Drawn over the background (etched frames, lines).
  virtual void PaintDecorations(QPainter& /*painter*/) {}
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QSize client_size_;
  QImage background_;
  std::vector<QWidget*> cycle_;
};

// An owner-drawn push button drawn by DrawDialogButton over the dialog's background.
class DialogButton : public QPushButton {
  Q_OBJECT

 public:
  DialogButton(const QString& caption, LookDialog* dialog, int id, const QRect& geometry);

 protected:
  void paintEvent(QPaintEvent* event) override;
  // Takes the arrow keys and does nothing with them, so they neither move the focus nor reach
  // the dialog.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  LookDialog* dialog_;
};

// A text field of these dialogs over the dialog's background, with its control id.
TextField* NewDialogField(LookDialog* dialog, int id, const QRect& geometry);

// True for the four arrow keys.
bool IsArrowKey(int key);

// A group label: the background under its text's width, then the text, single line, vertically
// centred; so it breaks the etched frame under it.
class GroupLabel : public QWidget {
  Q_OBJECT

 public:
  GroupLabel(const QString& text, LookDialog* dialog, int id, const QRect& geometry);
  QString Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  LookDialog* dialog_;
};

// A transparent static text in the window-text colour (or a colour of its own), one line,
// left-aligned unless told otherwise, vertically centred.
class DialogText : public QWidget {
  Q_OBJECT

 public:
  DialogText(const QString& text, QWidget* parent, const QRect& geometry,
             Qt::Alignment alignment = Qt::AlignLeft);
  QString Text() const { return text_; }
  void SetBold(bool bold);
  void SetWordWrap(bool wrap) { word_wrap_ = wrap; }
  bool WordWrap() const { return word_wrap_; }
  // The text colour, asked at every paint, instead of the system's window-text colour.
  void SetColorSource(std::function<QColor()> color) { color_ = std::move(color); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  Qt::Alignment alignment_;
  bool word_wrap_ = false;
  std::function<QColor()> color_;
};

// A horizontal slider that paints itself: channel in the button-highlight colour framed in the
// button-shadow colour, tick marks every tenth position and longer ones at both ends, the thumb
// as a push-button frame, a focus rectangle round the whole control. Range 0..100, line size 1,
// page size 10; a press beside the thumb moves it one page toward the pointer.
class DialogSlider : public QAbstractSlider {
  Q_OBJECT

 public:
  DialogSlider(QWidget* parent, int id, const QRect& geometry);

  // Geometry of the parts, in widget coordinates (exposed for painting and hit tests).
  QRect ChannelRect() const;
  int ThumbCentreX(int value) const;
  QRect ThumbRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int ValueAt(int x) const;
  bool dragging_ = false;
  int drag_offset_ = 0;
};

}  // namespace orbello::kit
