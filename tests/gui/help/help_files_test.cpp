// The help files found from wherever the program starts; the desktop's viewer as fallback.
#include <QDesktopServices>
#include <QDir>
#include <QStatusBar>
#include <QUrl>

#include "app/about_dialog.h"
#include "gui/help_launcher.h"
#include "gui_helpers.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;

// Keeps every file URL the program asks the desktop to open.
class DesktopStandIn : public QObject {
  Q_OBJECT
 public:
  DesktopStandIn() { QDesktopServices::setUrlHandler("file", this, "open"); }
  ~DesktopStandIn() override { QDesktopServices::unsetUrlHandler("file"); }
  QStringList files;

 public slots:
  void open(const QUrl& url) { files << url.toLocalFile(); }
};

QString Beside(const char* name) {
  return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(name);
}

void Touch(const std::string& path, const std::string& text = "help") {
  fs::create_directories(fs::path(path).parent_path());
  test::WriteFile(path, text);
}

// The window on the portal, started from an empty working directory.
struct HelpWindow : test::WindowTest {
  test::TempDir elsewhere;
  QString savedDirectory = QDir::currentPath();
  DesktopStandIn desktop;

  void SetUp() override {
    WindowTest::SetUp();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(elsewhere.path())));
    open();
    messages.messages.clear();
  }
  void TearDown() override {
    WindowTest::TearDown();
    QDir::setCurrent(savedDirectory);
  }
};

TEST_F(HelpWindow, HelpMenuAndF1OpenTheFilesBesideTheProgram) {
  ASSERT_FALSE(QFile::exists(kKeysPage));
  ASSERT_FALSE(QFile::exists(kManual));
  QMenu* help = frame->menuBar()->actions().last()->menu();
  QStringList items;
  for (QAction* a : help->actions()) items << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(items,
            QStringList({"&Keys and mouse", "&Manual", "&What's This?", "-", "&About RERORE"}));
  help->actions()[0]->trigger();
  test::ShowActive(*frame);
  QTest::keyClick(frame.get(), Qt::Key_F1);
  EXPECT_EQ(desktop.files, QStringList({Beside(kKeysPage), Beside(kManual)}));
  EXPECT_EQ(messages.texts(), std::vector<std::string>());
  QFile manual(Beside(kManual));
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
  EXPECT_EQ(manual.read(5), "%PDF-");
  test::OnNextDialog<AboutDialog>([](AboutDialog* about) { about->accept(); });
  help->actions().last()->trigger();
}

TEST_F(HelpWindow, EchoHelpGoesToTheDesktopWithoutTheViewerAndToTheViewerWhenItIsThere) {
  auto askForHelp = [this] {
    test::OnNextDialog<EchoEditor>([](EchoEditor* echo) {
      test::Click(*echo, "Help");
      echo->reject();
    });
    frame->runCommand(kCmdEcho);
  };
  askForHelp();
  EXPECT_EQ(desktop.files, QStringList{Beside(kEchoHelpPage)});
  EXPECT_EQ(frame->statusBar()->currentMessage(),
            "PAGEVIEW.EXE is not installed: ECHOHELPFRAME.HTM is shown in the desktop's viewer");

  // A viewer on the path gets the page's name, and the desktop nothing.
  const std::string bin = elsewhere / "bin";
  Touch(bin + "/PAGEVIEW.EXE", "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/asked\"\n");
  fs::permissions(bin + "/PAGEVIEW.EXE", fs::perms::owner_all);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(bin) + ":" + path);
  frame->statusBar()->clearMessage();
  askForHelp();
  qputenv("PATH", path);
  QTRY_COMPARE(QString::fromStdString(test::ReadFile(bin + "/asked")), "ECHOHELPFRAME.HTM\n");
  EXPECT_EQ(desktop.files.size(), 1);
  EXPECT_EQ(frame->statusBar()->currentMessage(), "");
  EXPECT_TRUE(messages.messages.empty());
}

// Beside the program, then prefix/share/rerore/, then the current directory, else a message.
TEST(HelpFolders, ProgramFolderThenDataFolderThenCurrentDirectoryElseAMessage) {
  test::TempDir prefix, current;
  test::RecordingMessages messages;
  DesktopStandIn desktop;
  const QStringList folders =
      HelpFolders(QString::fromStdString(prefix / "bin"), QString::fromStdString(current.path()));
  EXPECT_EQ(FindHelpFile(kKeysPage, folders), "");
  OpenManual(messages, folders);
  OpenKeysPage(messages, folders);
  const std::string places =
      (prefix / "bin/") + ", " + (prefix / "share/rerore/") + ", " + current.path();
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>(
                {"Attention: The help file VELTRANIX.PDF was not found in " + places,
                 "Attention: The help file KEYSFRAMES.HTM was not found in " + places}));
  EXPECT_TRUE(desktop.files.isEmpty());
  for (const std::string& place : {current / kKeysPage, prefix / "share/rerore/KEYSFRAMES.HTM",
                                   prefix / "bin/KEYSFRAMES.HTM"}) {
    Touch(place);
    EXPECT_EQ(FindHelpFile(kKeysPage, folders), QString::fromStdString(place));
  }
}

}  // namespace
}  // namespace rerore

#include "help_files_test.moc"
