#include "game/window/about/about.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <array>

#include "platform/core/message.h"
#include "platform/core/paths.h"
#include "platform/qt/desktop.h"
#include "platform/qt/kit/accessible.h"
#include "platform/qt/kit/dialog_look.h"
#include "platform/qt/kit/kit.h"
#include "platform/qt/ui.h"

namespace orbello {

namespace {

bool g_help_requested = false;

// The background the game's dialogs share; the box needs only its name, not the dialogs.
constexpr char kDialogBack[] = ":/game/BITMAP_BACK.bmp";

constexpr int kIdIcon = 1061;
constexpr int kIdMailLink = 1062;
constexpr int kIdWebLink = 1063;
constexpr int kIdAboutOk = 1163;
const QColor kLinkColor(0, 0, 253);
const QColor kHotLinkColor(255, 0, 0);

void ShowWarning(const QString& text) {
  platform::MessageRequest request;
  request.text = text.toLocal8Bit().toStdString();
  request.caption = "Warning!";
  request.icon = platform::MessageIcon::kError;
  request.buttons = platform::MessageButtons::kOk;
  request.owner = nullptr;  // the warning stands on its own, as the system's does
  platform::ShowMessage(request);
}

// A link of the About box: its text on one line, blue, red while the pointer is inside it; the
// hand pointer over it; a click opens it.
class AboutLink : public QWidget {
 public:
  AboutLink(const QString& text, QWidget* parent, int id, QRect rect, std::function<void()> open)
      : QWidget(parent), text_(text), open_(std::move(open)) {
    kit::SetDialogId(this, id);
    setFont(kit::GuiFont());
    rect.setWidth(std::max(rect.width(), QFontMetrics(font()).horizontalAdvance(text_) + 2));
    setGeometry(rect);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    kit::DescribeAs(this, QAccessible::Link, text_);
  }

  QString Text() const { return text_; }
  bool IsHot() const { return hot_; }

  // Follows the pointer, wherever on the box's thread it moved.
  void TrackPointer(const QPoint& global) {
    const bool inside = QRect(mapToGlobal(QPoint(0, 0)), size()).contains(global);
    if (inside != hot_) {
      hot_ = inside;
      update();
    }
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.setPen(hot_ ? kHotLinkColor : kLinkColor);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
  }

  void leaveEvent(QEvent* event) override {
    QWidget::leaveEvent(event);
    if (hot_) {
      hot_ = false;
      update();
    }
  }

  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      open_();
    }
  }

 private:
  QString text_;
  std::function<void()> open_;
  bool hot_ = false;
};

// The program's icon on the white brush the icon control gets.
class AboutIcon : public QWidget {
 public:
  AboutIcon(QWidget* parent, const QRect& rect) : QWidget(parent) {
    kit::SetDialogId(this, kIdIcon);
    setGeometry(rect);
    kit::DescribeAs(this, QAccessible::Graphic, "Orbello");
    icon_ = QPixmap(":/game/MAINICON.png");
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, 32, 32), Qt::white);
    if (!icon_.isNull()) {
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawPixmap(QRect(0, 0, 32, 32), icon_);
    }
  }

 private:
  QPixmap icon_;
};

class AboutBox : public kit::LookDialog {
 public:
  explicit AboutBox(QWidget* owner)
      : kit::LookDialog(owner, QSize(kit::DialogUnitsX(217), kit::DialogUnitsY(186)),
                        QCoreApplication::translate("About", "About Orbello")) {}

  ~AboutBox() override { qApp->removeEventFilter(this); }

  bool Open(QWidget* board_panel) {
    if (!LoadBackground(QString::fromLatin1(kDialogBack)))
      return false;
    new AboutIcon(this, QRect(kit::DialogUnitsX(188), kit::DialogUnitsY(4), 32, 32));

    auto* title = new kit::DialogText("Corvane Orbello", this, QRect(9, 6, 260, 18));
    title->SetBold(true);
    QFont big = title->font();
    big.setPixelSize(14);
    title->setFont(big);
    new kit::DialogText(QCoreApplication::translate("About", "Version %1").arg("1.0.2"), this,
                        QRect(9, 24, 200, 14));

    // A translated caption wider than its place moves the links to its right.
    const QString mail_caption = QCoreApplication::translate("About", "E-mail: ");
    const QString web_caption = QCoreApplication::translate("About", "Web Site: ");
    const QFontMetrics metrics(kit::GuiFont());
    const int caption_right =
        kit::DialogUnitRect(6, 32, 39, 8).left() +
        std::max(metrics.horizontalAdvance(mail_caption), metrics.horizontalAdvance(web_caption));
    const int shift = std::max(0, caption_right + 4 - kit::DialogUnitRect(51, 32, 75, 8).left());
    const auto caption_rect = [&metrics](const QString& caption, QRect rect) {
      rect.setWidth(std::max(rect.width(), metrics.horizontalAdvance(caption)));
      return rect;
    };
    new kit::DialogText(mail_caption, this,
                        caption_rect(mail_caption, kit::DialogUnitRect(6, 32, 39, 8)));
    links_[0] = new AboutLink(
        kSupportAddress, this, kIdMailLink, kit::DialogUnitRect(51, 32, 75, 8).translated(shift, 0),
        [] {
          if (!platform::OpenWithShell(SupportMailUrl())) {
            ShowWarning(QCoreApplication::translate("About", "Orbello can't run this process"));
          }
        });
    new kit::DialogText(web_caption, this,
                        caption_rect(web_caption, kit::DialogUnitRect(6, 46, 40, 8)));
    links_[1] = new AboutLink(
        kWebSiteShown, this, kIdWebLink, kit::DialogUnitRect(51, 46, 75, 8).translated(shift, 0),
        [] {
          if (!platform::OpenWithShell(QString::fromLatin1(kWebPageAddress))) {
            ShowWarning(QCoreApplication::translate("About", "Orbello can't run this process"));
          }
        });

    new kit::DialogText(QCoreApplication::translate("About", "Copyright © 2026 Corvane Software."),
                        this, QRect(9, 106, width() - 18, 16));
    new kit::DialogText(QCoreApplication::translate("About", "All rights reserved."), this,
                        QRect(9, 122, width() - 18, 16));
    auto* about = new kit::DialogText(
        QCoreApplication::translate(
            "About",
            "Move the balls along free paths and build lines, squares or blocks of one colour: "
            "they vanish and score. Every move that removes nothing brings three new balls. "
            "The game ends when the board has no room for them."),
        this, QRect(9, 144, width() - 18, 100));
    about->SetWordWrap(true);

    auto* ok = new kit::DialogButton(QCoreApplication::translate("About", "Ok"), this, kIdAboutOk,
                                     kit::DialogUnitRect(160, 165, 50, 15));
    connect(ok, &QPushButton::clicked, this, [this] { CloseWith(kIdAboutOk); });
    SetFocusCycle({ok});
    ok->setFocus(Qt::OtherFocusReason);

    if (board_panel != nullptr) {
      move(board_panel->mapToGlobal(QPoint(-3, -1)));
    } else if (parentWidget() != nullptr) {
      kit::CentreOver(this, parentWidget()->frameGeometry());
    }
    // The hook: every mouse move on this thread lets the links follow the pointer, so a link
    // turns blue again however the pointer left it.
    qApp->installEventFilter(this);
    return true;
  }

  AboutLink* Link(int index) const { return links_[static_cast<size_t>(index)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseMove) {
      const QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
      for (AboutLink* link : links_) {
        if (link != nullptr)
          link->TrackPointer(global);
      }
    }
    return kit::LookDialog::eventFilter(watched, event);
  }

  void PaintDecorations(QPainter& painter) override {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kit::WindowTextColor());
    painter.drawRect(QRect(9, 45, width() - 18, 2));
    painter.drawRect(QRect(9, 97, width() - 18, 2));
  }

  void done(int result) override {
    qApp->removeEventFilter(this);
    kit::LookDialog::done(result);
  }

 private:
  std::array<AboutLink*, 2> links_{};
};

}  // namespace

QString SupportMailUrl() {
  return QString("mailto:") + kSupportAddress + "?subject=Corvane Orbello Support";
}

bool OpenHelp(QWidget* /*owner*/) {
  // By its bytes: the installation folder's name need not be text.
  const bool accepted = platform::OpenFileWithShell(platform::ProgramFolder() + "/cvob.chm");
  g_help_requested = true;
  if (!accepted)
    ShowWarning(QCoreApplication::translate("About", "Orbello can't run help file"));
  return accepted;
}

bool HelpRequested() {
  return g_help_requested;
}

bool CloseHelpWindow() {
  return platform::CloseWindowsWithTitlePrefix(QString::fromLatin1(kHelpTitlePrefix));
}

void ShowAbout(QWidget* owner, QWidget* board_panel) {
  AboutBox box(owner);
  if (!box.Open(board_panel))
    return;
  box.exec();
}

}  // namespace orbello
