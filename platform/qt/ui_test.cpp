#include "platform/qt/ui.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/core/message.h"
#include "platform/qt/local_path.h"

namespace orbello::platform {
namespace {

// Runs `act` on the modal window as soon as it appears; closes any modal window and fails when
// none is handled within the time.
class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(QWidget*)> act) : act_(std::move(act)) {
    poll_.setInterval(20);
    QObject::connect(&poll_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || handled_)
        return;
      handled_ = true;
      act_(modal);
    });
    poll_.start();
    watchdog_.setSingleShot(true);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      ADD_FAILURE() << "no modal window was handled in time";
      if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    });
    watchdog_.start(10000);
  }

  bool Handled() const { return handled_; }

 private:
  std::function<void(QWidget*)> act_;
  QTimer poll_;
  QTimer watchdog_;
  bool handled_ = false;
};

QAbstractButton* ButtonWithText(QMessageBox* box, const QString& text) {
  for (QAbstractButton* button : box->buttons()) {
    if (button->text() == text)
      return button;
  }
  return nullptr;
}

class QtMessageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = SetMessageHandler({});
    InstallQtMessageHandler();
  }
  void TearDown() override { SetMessageHandler(previous_); }
  MessageHandler previous_;
};

TEST_F(QtMessageTest, ShowsTheRequestAndReturnsTheClickedButton) {
  QWidget owner;
  owner.show();
  MessageRequest request{"The uninstall in not finished!\nDo you really want to abort?",
                         "Confirm Action",
                         MessageIcon::kQuestion,
                         MessageButtons::kYesNo,
                         1,
                         &owner};
  ModalDriver driver([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QString::fromStdString(request.text));
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
    EXPECT_EQ(box->windowTitle(), "Confirm Action");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->parentWidget(), &owner);
    ASSERT_EQ(box->buttons().size(), 2);
    EXPECT_EQ(box->defaultButton(), ButtonWithText(box, "&No"));
    ButtonWithText(box, "&Yes")->click();
  });
  EXPECT_EQ(ShowMessage(request), kIdYes);
  EXPECT_TRUE(driver.Handled());
}

TEST_F(QtMessageTest, EscapeAnswersLikeTheSystemBoxes) {
  struct Case {
    MessageButtons buttons;
    int expected;
  };
  for (Case c : {Case{MessageButtons::kOk, kIdOk}, Case{MessageButtons::kOkCancel, kIdCancel},
                 Case{MessageButtons::kYesNoCancel, kIdCancel}}) {
    ModalDriver driver([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    MessageRequest request{"text", "Warning!", MessageIcon::kError, c.buttons, 0, nullptr};
    EXPECT_EQ(ShowMessage(request), c.expected);
  }
  // A Yes/No question has no escape: Escape leaves it open until a button is pressed.
  ModalDriver driver([](QWidget* modal) {
    QTest::keyClick(modal, Qt::Key_Escape);
    EXPECT_TRUE(modal->isVisible());
    ButtonWithText(qobject_cast<QMessageBox*>(modal), "&No")->click();
  });
  MessageRequest question{"q", "Confirm Action", MessageIcon::kQuestion, MessageButtons::kYesNo,
                          0,   nullptr};
  EXPECT_EQ(ShowMessage(question), kIdNo);
}

TEST_F(QtMessageTest, ErrorIconAndDefaultOutOfRange) {
  ModalDriver driver([](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->defaultButton(), ButtonWithText(box, "OK")) << "out of range: the first";
    QTest::keyClick(modal, Qt::Key_Return);
  });
  MessageRequest request{"Unable to load skin: [x]", "Error", MessageIcon::kError,
                         MessageButtons::kOkCancel,  7,       nullptr};
  EXPECT_EQ(ShowMessage(request), kIdOk);
}

TEST(FileFilterTest, WindowsFiltersBecomeQtNameFilters) {
  std::vector<FileFilter> filters{{"Bitmap files: (*.bmp)", "*.bmp"},
                                  {"All Files (*.*)", "*.*"},
                                  {"Sounds", "*.wav;*.WAV"},
                                  {"Anything", ""}};
  EXPECT_EQ(QtNameFilters(filters), QStringList({"Bitmap files: (*.bmp)", "All Files (*)",
                                                 "Sounds (*.wav *.WAV)", "Anything (*)"}));
}

class FileDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  // Types `name` into the dialog's file name field and presses Return.
  static void Accept(QWidget* modal, const QString& name) {
    auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
  }

  QTemporaryDir dir_;
};

TEST_F(FileDialogTest, OpenDialogStartsInTheFolderAndReturnsTheChosenFile) {
  QFile file(dir_.filePath("ball.bmp"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  FileDialogRequest request{
      "Choose file", {{"Bitmap files: (*.bmp)", "*.bmp"}}, dir_.path(), {}, false, true};
  ModalDriver driver([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Choose file");
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(dir_.path()).canonicalPath());
    EXPECT_EQ(dialog->selectedNameFilter(), "Bitmap files: (*.bmp)");
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    Accept(modal, "ball.bmp");
  });
  std::optional<QString> chosen = ShowOpenFileDialog(nullptr, request);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(QFileInfo(*chosen).canonicalFilePath(), QFileInfo(file).canonicalFilePath());
}

TEST_F(FileDialogTest, CancelledDialogsReturnNothing) {
  FileDialogRequest request{"Save", {{"Orbello skin files: (*.sf)", "*.sf"}}, dir_.path(), {}, true,
                            false};
  ModalDriver driver([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
  EXPECT_FALSE(ShowSaveFileDialog(nullptr, request).has_value());
}

TEST_F(FileDialogTest, SaveDialogAddsTheDefaultSuffixOnlyWhenAsked) {
  FileDialogRequest request{
      "Save game", {{"Saved games (*.osf)", "*.osf"}}, dir_.path(), "osf", true, false};
  ModalDriver with_suffix([](QWidget* modal) { Accept(modal, "mygame"); });
  EXPECT_EQ(ShowSaveFileDialog(nullptr, request), dir_.filePath("mygame.osf"));

  request.default_suffix.clear();
  ModalDriver as_typed([](QWidget* modal) { Accept(modal, "skin"); });
  EXPECT_EQ(ShowSaveFileDialog(nullptr, request), dir_.filePath("skin"));
}

TEST_F(FileDialogTest, ANameInAMissingFolderIsRefusedAndTheDialogStaysOpen) {
  QFile file(dir_.filePath("ball.bmp"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  struct Case {
    bool save;
    QString refused;
    QString accepted;
  };
  for (const Case& c : {Case{true, "missing/sub/name", "name"}, Case{true, "ball.bmp/name", "name"},
                        Case{false, "missing/sub/ball.bmp", "ball.bmp"}}) {
    FileDialogRequest request{"Save game", {{"All Files (*.*)", "*.*"}}, dir_.path(), {}, true,
                              !c.save};
    // The refusal is a message box over the chooser; it is answered and recorded here.
    QStringList refusals;
    bool open_after_refusal = false;
    QTimer answer_box;
    QObject::connect(&answer_box, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        refusals << box->text();
        box->accept();
      }
    });
    answer_box.start(20);
    ModalDriver driver([&](QWidget* modal) {
      Accept(modal, c.refused);
      open_after_refusal = modal->isVisible();
      Accept(modal, c.accepted);
    });
    const std::optional<QString> chosen =
        c.save ? ShowSaveFileDialog(nullptr, request) : ShowOpenFileDialog(nullptr, request);
    EXPECT_TRUE(open_after_refusal) << c.refused.toStdString();
    EXPECT_EQ(refusals.size(), 1) << c.refused.toStdString();
    EXPECT_EQ(chosen, dir_.filePath(c.accepted)) << c.refused.toStdString();
    EXPECT_FALSE(QDir(dir_.filePath("missing")).exists());
  }
}

TEST_F(FileDialogTest, StartsInAFolderWhoseNameIsNotUtf8AndNamesTheChoiceByItsBytes) {
  const std::string folder = QFile::encodeName(dir_.path()).toStdString() + "/save\xe9";
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  FileDialogRequest request{
      "Save game", {{"OB save files: (*.osf)", "*.osf"}}, DecodeLocalPath(folder), "osf", true,
      false};
  ModalDriver driver([](QWidget* modal) { Accept(modal, "mine"); });
  const std::optional<QString> chosen = ShowSaveFileDialog(nullptr, request);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(EncodeLocalPath(*chosen), folder + "/mine.osf");
}

TEST_F(FileDialogTest, ReplacedFunctionsAnswerInsteadOfTheDialogs) {
  FileDialogRequest seen;
  OpenFileFunction old_open = SetOpenFileFunction(
      [&](QWidget*, const FileDialogRequest& request) -> std::optional<QString> {
        seen = request;
        return QStringLiteral("/chosen/file.bmp");
      });
  SaveFileFunction old_save =
      SetSaveFileFunction([](QWidget*, const FileDialogRequest&) { return std::nullopt; });
  FileDialogRequest request{"Pick", {{"All Files (*.*)", "*.*"}}, "/start", {}, false, true};
  EXPECT_EQ(ShowOpenFileDialog(nullptr, request), QStringLiteral("/chosen/file.bmp"));
  EXPECT_EQ(seen.title, "Pick");
  EXPECT_EQ(seen.initial_folder, "/start");
  EXPECT_FALSE(ShowSaveFileDialog(nullptr, request).has_value());
  EXPECT_TRUE(static_cast<bool>(SetOpenFileFunction(old_open)));
  EXPECT_TRUE(static_cast<bool>(SetSaveFileFunction(old_save)));
}

TEST(ShellOpenTest, ReplacedShellGetsTheTextUnchanged) {
  std::vector<QString> opened;
  ShellOpenFunction old = SetShellOpenFunction([&](const QString& what) {
    opened.push_back(what);
    return what.startsWith("mailto:");
  });
  EXPECT_TRUE(OpenWithShell("mailto:help@example.org?subject=Corvane Orbello Support"));
  EXPECT_FALSE(OpenWithShell("/opt/orbello/cvob.chm"));
  EXPECT_EQ(opened, std::vector<QString>({"mailto:help@example.org?subject=Corvane Orbello Support",
                                          "/opt/orbello/cvob.chm"}));
  SetShellOpenFunction(old);
  EXPECT_FALSE(OpenWithShell(QString())) << "nothing to open is a failed request";
}

TEST(ShellOpenTest, LocalFilesAreOpenedByTheirBytes) {
  // A folder whose name is Latin-1, not UTF-8: the URL must carry its byte, not a replacement.
  const std::string path = "/opt/caf\xe9 x/cvob.chm";
  EXPECT_EQ(LocalFileUrl(path).toEncoded(), QByteArray("file:///opt/caf%E9%20x/cvob.chm"));
  EXPECT_EQ(LocalFileUrl("cvob.chm").toEncoded(),
            QUrl::fromLocalFile(QDir::current().absoluteFilePath("cvob.chm")).toEncoded());
  std::vector<QString> opened;
  ShellOpenFunction old = SetShellOpenFunction([&](const QString& what) {
    opened.push_back(what);
    return true;
  });
  EXPECT_TRUE(OpenFileWithShell(path));
  SetShellOpenFunction(old);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(EncodeLocalPath(opened[0]), path);
}

}  // namespace
}  // namespace orbello::platform
