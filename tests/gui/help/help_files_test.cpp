// The help reaches its files from wherever the program is started: next to
// the program, in the installed data folder beside it, in the current
// directory; the desktop's viewer stands in for the suite's help viewer.
#include <gtest/gtest.h>

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <memory>

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "commands/startup.h"
#include "gui/command_ids.h"
#include "gui/echo_editor.h"
#include "gui/help_launcher.h"
#include "gui_helpers.h"
#include "support/test_support.h"
#include "table_test_support.h"
#include "view/frame_view.h"

namespace rerore {
namespace {

namespace fs = std::filesystem;

// Takes the place of the desktop: every file URL that the program asks it
// to open is kept here instead.
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

void Touch(const std::string& path) {
  fs::create_directories(fs::path(path).parent_path());
  test::WriteFile(path, "help");
}

// The window on the portal, started from an empty working directory.
struct HelpWindow : ::testing::Test {
  test::SettingsHome home;
  test::TempDir data;
  test::TempDir elsewhere;
  QString savedDirectory = QDir::currentPath();
  Session session;
  test::RecordingMessages messages;
  DesktopStandIn desktop;
  std::unique_ptr<MainWindow> frame;

  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(home.dir().path()));
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(elsewhere.path())));
    test::CopyExamples(data);
    ASSERT_EQ(StartProgram(session, messages, ".001 @" + data.path()), StartResult::Started);
    frame = std::make_unique<MainWindow>(session);
    frame->view()->setMessages(messages);
    messages.messages.clear();
  }
  void TearDown() override {
    frame.reset();
    QDir::setCurrent(savedDirectory);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
};

TEST_F(HelpWindow, HelpMenuAndF1OpenTheFilesBesideTheProgram) {
  ASSERT_FALSE(QFile::exists(kKeysPage));
  ASSERT_FALSE(QFile::exists(kManual));
  QMenu* help = frame->menuBar()->actions().last()->menu();
  ASSERT_NE(help, nullptr);
  QStringList items;
  for (QAction* a : help->actions()) items << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(items,
            QStringList({"&Keys and mouse", "&Manual", "&What's This?", "-", "&About RERORE"}));

  help->actions()[0]->trigger();
  test::ShowActive(*frame);
  QTest::keyClick(frame.get(), Qt::Key_F1);
  EXPECT_EQ(desktop.files, QStringList({Beside(kKeysPage), Beside(kManual)}));
  EXPECT_TRUE(messages.messages.empty()) << messages.texts().front();
  QFile manual(Beside(kManual));
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
  EXPECT_EQ(manual.read(5), "%PDF-");

  test::OnNextDialog<AboutDialog>([](AboutDialog* about) { about->accept(); });
  help->actions().last()->trigger();
}

TEST_F(HelpWindow, EchoHelpGoesToTheDesktopWithoutTheViewerAndToTheViewerWhenItIsThere) {
  auto askForHelp = [this] {
    test::OnNextDialog<EchoEditor>([](EchoEditor* echo) {
      for (QPushButton* b : echo->findChildren<QPushButton*>())
        if (b->text() == "Help") b->click();
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
  const std::string viewer = bin + "/PAGEVIEW.EXE";
  Touch(viewer);
  test::WriteFile(viewer, "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/asked\"\n");
  fs::permissions(viewer, fs::perms::owner_all);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", QByteArray::fromStdString(bin) + ":" + path);
  frame->statusBar()->clearMessage();
  askForHelp();
  qputenv("PATH", path);
  QTRY_VERIFY(fs::exists(bin + "/asked"));
  QTRY_COMPARE(QString::fromStdString(test::ReadFile(bin + "/asked")), "ECHOHELPFRAME.HTM\n");
  EXPECT_EQ(desktop.files.size(), 1);
  EXPECT_EQ(frame->statusBar()->currentMessage(), "");
  EXPECT_TRUE(messages.messages.empty());
}

// The installed layout: prefix/bin/rerore finds prefix/share/rerore/ before
// the current directory; a file beside the program comes first of all.
TEST(HelpFolders, ProgramFolderThenInstalledDataFolderThenCurrentDirectory) {
  test::TempDir prefix;
  test::TempDir current;
  const QStringList folders =
      HelpFolders(QString::fromStdString(prefix / "bin"), QString::fromStdString(current.path()));
  const QString name = kKeysPage;
  EXPECT_EQ(FindHelpFile(name, folders), "");
  Touch(current / kKeysPage);
  EXPECT_EQ(FindHelpFile(name, folders), QString::fromStdString(current / kKeysPage));
  Touch(prefix / "share/rerore/KEYSFRAMES.HTM");
  EXPECT_EQ(FindHelpFile(name, folders),
            QString::fromStdString(prefix / "share/rerore/KEYSFRAMES.HTM"));
  Touch(prefix / "bin/KEYSFRAMES.HTM");
  EXPECT_EQ(FindHelpFile(name, folders), QString::fromStdString(prefix / "bin/KEYSFRAMES.HTM"));
}

TEST(HelpFolders, MissingFileSaysWhichFileAndWhereItWasLookedFor) {
  test::TempDir prefix;
  test::TempDir current;
  test::RecordingMessages messages;
  DesktopStandIn desktop;
  const QStringList folders =
      HelpFolders(QString::fromStdString(prefix / "bin"), QString::fromStdString(current.path()));
  OpenManual(messages, folders);
  OpenKeysPage(messages, folders);
  const std::string places =
      (prefix / "bin/") + ", " + (prefix / "share/rerore/") + ", " + current.path();
  EXPECT_EQ(messages.texts(),
            std::vector<std::string>(
                {"Attention: The help file VELTRANIX.PDF was not found in " + places,
                 "Attention: The help file KEYSFRAMES.HTM was not found in " + places}));
  EXPECT_TRUE(desktop.files.isEmpty());
}

}  // namespace
}  // namespace rerore

#include "help_files_test.moc"
