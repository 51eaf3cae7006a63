// The widget tests share one application object, created as the program
// creates it (with the user's locale, then the "C" number conventions).
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "app/application.h"
#include "gui/c_locale.h"

int main(int argc, char** argv) {
  // Widget tests never need a display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // They run as on a German engineer's desktop, so that any number that
  // follows the user's locale shows up as a decimal comma.
  qputenv("LOCPATH", RERORE_TEST_LOCPATH);
  qputenv("LC_ALL", "de_DE.UTF-8");
  QApplication app(argc, argv);
  rerore::UseCLocaleForNumbers();
  // The program's settings (look, toolbar) go to a test location, never to
  // the user's own.
  QStandardPaths::setTestModeEnabled(true);
  rerore::UseApplicationSettings();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
