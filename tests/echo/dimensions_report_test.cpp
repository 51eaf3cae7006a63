#include "echo/dimensions_report.h"

#include <gtest/gtest.h>

#include "echo/echo_test_frames.h"

namespace rerore {
namespace {

using test::ReadFile;
using test::TempDir;

std::tm December4th2026() {
  std::tm date{};
  date.tm_year = 2026 - 1900;
  date.tm_mon = 11;
  date.tm_mday = 4;
  date.tm_wday = 5;
  return date;
}

std::string WithoutSeparator(std::string path) {
  path.pop_back();
  return path;
}

TEST(DimensionsReport, DateText) {
  EXPECT_EQ(ReportDateText(December4th2026()), "Friday  2026 12 4");
  std::tm date{};
  date.tm_year = 2025 - 1900;
  date.tm_mon = 0;
  date.tm_mday = 11;
  date.tm_wday = 0;
  EXPECT_EQ(ReportDateText(date), "Sunday  2025 1 11");
}

TEST(DimensionsReport, OneMaterialLineByLine) {
  TempDir data;
  Session s;
  test::MakeCantileverFrame(s, data.path(), "007");
  s.model.params.setTitle("Portal");
  WriteDimensions(s, December4th2026());
  const std::string dateLine =
      "Date: Friday  2026 12 4  " + WithoutSeparator(s.paths.positionDirectory);
  const std::string expected =
      " Frame Analysis\r\n"
      " --------------\r\n"
      " Portal\r\n"
      " ------\r\n"
      " " +
      dateLine +
      "\r\n"
      " " +
      std::string(dateLine.size() + 1, '-') +
      "\r\n"
      " \r\n"
      " E-Modulus = 2.6700E+07 kN/m2\r\n"
      " \r\n"
      "   1 b = 0.20 m  h = 0.40 m  A = 8.00E-02 m2  I = 1.0667E-03 m4  EI = 2.8480E+04 kNm2  "
      "EA = 2.1360E+06 kN\r\n"
      " \r\n"
      " The stiffness of a rigid support equals:  max E * max A =  2.1360E+06  kN/m or kNm "
      "(clamped edge)\r\n"
      " \r\n"
      " Elements\r\n"
      " \r\n"
      " Nr.  xa [m]  ya [m]   xb [m]  yb [m]     Nodes     Mat.  C.Sect.   C    T    H left  "
      "H right\r\n"
      "\r\n"
      "   1    0.00    0.00     0.00    4.00      1/  2     1      1       1    1      0       "
      "0\r\n"
      "   2    0.00    4.00     6.00    3.50      2/  3     1      1       0    0      0       "
      "1\r\n"
      " \r\n"
      " Nodes\r\n"
      " \r\n"
      "         Coordinates   support: 0.0 = free, 1.0 = fixed or in between  \r\n"
      "                                 \r\n"
      " Nr.    x [m]   y [m]      u          v         phi   \r\n"
      "\r\n"
      "   1    0.00    0.00    1.0000      1.0000      0.5000\r\n"
      "   2    0.00    4.00 \r\n"
      "   3    6.00    3.50 \r\n"
      " \r\n"
      " The effective support stiffness in kN/m (or kNm) is the table entry * 2.1360E+06\r\n";
  EXPECT_EQ(ReadFile(s.paths.plainFile("D1.TXT")), expected);
  EXPECT_FLOAT_EQ(s.model.params.rigidStiffness, 2136000.0f);
}

TEST(DimensionsReport, SeveralMaterialsAndAnEmptyTitle) {
  TempDir data;
  Session s;
  test::MakeCantileverFrame(s, data.path(), "007");
  s.model.params.setTitle("");
  s.model.params.materialCount = 2;
  s.model.materials[2].modulus = 2.1e8f;
  s.model.crossSections[1].area = 0.135f;
  WriteDimensions(s, December4th2026());
  const std::string report = ReadFile(s.paths.plainFile("D1.TXT"));
  EXPECT_EQ(report.find(" Frame Analysis\r\n --------------\r\n \r\n -\r\n Date: "), 0u);
  EXPECT_NE(report.find("\r\n Material  1  E-Modulus = 2.6700E+07 kN/m2\r\n"
                        " Material  2  E-Modulus = 2.1000E+08 kN/m2\r\n \r\n"
                        "   1 b = 0.20 m  h = 0.40 m  A = 0.14 m2 I = 1.0667E-03 m4 \r\n \r\n"
                        " The stiffness of a rigid support equals:  max E * max A =  2.8350E+07 "),
            std::string::npos)
      << report;
}

TEST(DimensionsReport, LongPositionPathContinuesOnALineOfItsOwn) {
  TempDir data;
  // A position directory of exactly 100 characters without its separator.
  std::string parent = data.path() + std::string(60, 'p') + "/";
  const size_t fill = 100 - parent.size() - std::string("SDIR007").size();
  parent += std::string(fill - 1, 'q') + "/";
  Session s;
  test::MakeCantileverFrame(s, parent, "007");
  const std::string directory = WithoutSeparator(s.paths.positionDirectory);
  ASSERT_EQ(directory.size(), 100u);
  WriteDimensions(s, December4th2026());
  const size_t cut = directory.rfind('/', 80);
  const std::string dateLine = "Date: Friday  2026 12 4  " + directory.substr(0, cut);
  const std::string expected = " " + dateLine + "\r\n" + " " + std::string(6 + 17 + 4, ' ') +
                               directory.substr(cut) + "\r\n" + " " +
                               std::string(dateLine.size() + 1, '-') + "\r\n \r\n";
  const std::string report = ReadFile(s.paths.plainFile("D1.TXT"));
  EXPECT_NE(report.find("\r\n" + expected), std::string::npos) << report;
}

}  // namespace
}  // namespace rerore
