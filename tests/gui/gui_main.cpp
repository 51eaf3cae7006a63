// One application object for the widget tests, made as the program makes it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "app/application.h"
#include "gui/c_locale.h"

int main(int argc, char** argv) {
  // Widget tests never need a display.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A German desktop: a number that follows the user's locale shows a comma.
  qputenv("LOCPATH", RERORE_TEST_LOCPATH);
  qputenv("LC_ALL", "de_DE.UTF-8");
  QApplication app(argc, argv);
  rerore::UseCLocaleForNumbers();
  // Settings go to a test location, never to the user's own.
  QStandardPaths::setTestModeEnabled(true);
  rerore::UseApplicationSettings();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
