#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <ctime>
#include <string>

#include "gui/c_locale.h"
#include "model/parse_number.h"
#include "model/user_messages.h"

namespace rerore {
namespace {

std::string Printed(double value) { return Format("%.2f %7.4lE", value, value); }

// The tests run with LC_ALL=de_DE.UTF-8, as a German engineer's desktop.
TEST(Locale, GermanUserLocaleDoesNotChangeNumbersOrDates) {
  const char* user = std::setlocale(LC_ALL, "");
  ASSERT_TRUE(user && std::string(user).find("de_DE") != std::string::npos)
      << "the German test locale is not available";
  // Under the user's locale the C library prints a decimal comma...
  ASSERT_EQ(Printed(1.5), "1,50 1,5000E+00");
  UseCLocaleForNumbers();
  // ...and after the program's reset a point again.
  EXPECT_EQ(Printed(1.5), "1.50 1.5000E+00");
  EXPECT_FLOAT_EQ(parseNumber("2.5"), 2.5f);
  EXPECT_FLOAT_EQ(parseNumber("2,5"), 2.5f);
  std::tm day{};
  day.tm_year = 2026 - 1900;
  day.tm_mon = 11;
  day.tm_mday = 4;
  day.tm_wday = 5;
  char text[32];
  std::strftime(text, sizeof text, "%A", &day);
  EXPECT_STREQ(text, "Friday");
}

}  // namespace
}  // namespace rerore
