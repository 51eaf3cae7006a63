#include "echo/dimensions_report.h"

#include "support/test_support.h"

namespace rerore {
namespace {

std::tm Date(int year, int month, int day, int weekday) {
  std::tm date{};
  date.tm_year = year - 1900;
  date.tm_mon = month - 1;
  date.tm_mday = day;
  date.tm_wday = weekday;
  return date;
}

class DimensionsReport : public ::testing::Test {
 protected:
  void SetUp() override { test::MakeCantileverFrame(s, data.path(), "007"); }
  std::string Report() {
    WriteDimensions(s, Date(2026, 12, 4, 5));
    return test::ReadFile(s.paths.plainFile("D1.TXT"));
  }
  // The date line: the date and the position directory without its separator.
  std::string DateLine(const std::string& directory) const {
    return "Date: Friday  2026 12 4  " + directory.substr(0, directory.size() - 1);
  }
  test::TempDir data;
  Session s;
};

TEST_F(DimensionsReport, OneMaterialLineByLine) {
  EXPECT_EQ(ReportDateText(Date(2025, 1, 11, 0)), "Sunday  2025 1 11");
  s.model.params.setTitle("Portal");
  const std::string date = DateLine(s.paths.positionDirectory);
  EXPECT_EQ(Report(),
            " Frame Analysis\r\n --------------\r\n Portal\r\n ------\r\n " + date + "\r\n " +
                std::string(date.size() + 1, '-') +
                "\r\n"
                " \r\n"
                " E-Modulus = 2.6700E+07 kN/m2\r\n"
                " \r\n"
                "   1 b = 0.20 m  h = 0.40 m  A = 8.00E-02 m2  I = 1.0667E-03 m4  EI = 2.8480E+04 "
                "kNm2  EA = 2.1360E+06 kN\r\n"
                " \r\n"
                " The stiffness of a rigid support equals:  max E * max A =  2.1360E+06  kN/m or "
                "kNm (clamped edge)\r\n"
                " \r\n"
                " Elements\r\n"
                " \r\n"
                " Nr.  xa [m]  ya [m]   xb [m]  yb [m]     Nodes     Mat.  C.Sect.   C    T    H "
                "left  H right\r\n"
                "\r\n"
                "   1    0.00    0.00     0.00    4.00      1/  2     1      1       1    1      0 "
                "      0\r\n"
                "   2    0.00    4.00     6.00    3.50      2/  3     1      1       0    0      0 "
                "      1\r\n"
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
                " The effective support stiffness in kN/m (or kNm) is the table entry * "
                "2.1360E+06\r\n");
}

}  // namespace
}  // namespace rerore
