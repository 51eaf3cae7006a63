#include "echo/dimensions_report.h"

#include <algorithm>
#include <array>

#include "model/file_io.h"
#include "model/user_messages.h"

namespace rerore {

namespace {

constexpr const char* kPrefix = " ";
constexpr int kTitleRuleLength = 14;  // the dashes under "Frame Analysis"
constexpr int kFactorColumnBlanks = 30;
constexpr int kContinuationIndent = 4;  // blanks beyond "Date: " and the date text
constexpr int kCalendarYearBase = 1900;
constexpr int kDaysPerWeek = 7;

constexpr std::array<const char*, kDaysPerWeek> kWeekdays = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string Dashes(size_t count) { return std::string(count, '-'); }

// The position directory without its trailing separator, split where a
// long path continues on a line of its own (the rest starts with the
// separator; empty when the path fits).
struct ReportPath {
  std::string first;
  std::string rest;
};

ReportPath SplitReportPath(const PositionPaths& paths) {
  ReportPath path{paths.positionDirectory, ""};
  if (!path.first.empty() && path.first.back() == paths.separator()) path.first.pop_back();
  if (path.first.size() <= static_cast<size_t>(kReportPathColumn)) return path;
  const size_t cut = path.first.rfind(paths.separator(), kReportPathColumn);
  if (cut == std::string::npos) return path;
  path.rest = path.first.substr(cut);
  path.first.resize(cut);
  return path;
}

void WriteHeader(TextOut& out, const ModelTables& model, const PositionPaths& paths,
                 const std::tm& date) {
  const std::string title = model.params.titleText();
  out.print("%sFrame Analysis\n", kPrefix);
  out.print("%s%s\n", kPrefix, Dashes(kTitleRuleLength).c_str());
  out.print("%s%s\n", kPrefix, title.c_str());
  out.print("%s%s\n", kPrefix, Dashes(std::max<size_t>(title.size(), 1)).c_str());
  const std::string dateText = ReportDateText(date);
  const ReportPath path = SplitReportPath(paths);
  const std::string dateLine = Format("Date: %s  %s", dateText.c_str(), path.first.c_str());
  out.print("%s%s\n", kPrefix, dateLine.c_str());
  if (!path.rest.empty()) {
    const size_t indent = std::string("Date: ").size() + dateText.size() + kContinuationIndent;
    const std::string continuation = std::string(indent, ' ') + path.rest;
    out.print("%s%s\n", kPrefix, continuation.c_str());
  }
  out.print("%s%s\n", kPrefix, Dashes(dateLine.size() + 1).c_str());
  out.print("%s\n", kPrefix);
}

void WriteMaterialsAndSections(TextOut& out, const ModelTables& model) {
  const int materials = model.params.materialCount;
  if (materials > 1) {
    for (int i = 1; i <= MaterialRows(model); ++i)
      out.print("%sMaterial %2i  E-Modulus = %7.4lE kN/m2\n", kPrefix, i,
                static_cast<double>(model.materials[i].modulus));
  } else {
    out.print("%sE-Modulus = %7.4lE kN/m2\n", kPrefix,
              static_cast<double>(model.materials[1].modulus));
  }
  out.print("%s\n", kPrefix);
  const float modulus = model.materials[1].modulus;
  for (int i = 1; i <= CrossSectionRows(model); ++i) {
    const CrossSectionRecord& c = model.crossSections[i];
    if (materials == 1) {
      const float ei = ProductInFloatRange(modulus, c.inertia);
      const float ea = ProductInFloatRange(modulus, c.area);
      out.print(
          "%s %2i b = %4.2lf m  h = %4.2lf m  A = %4.2lE m2  I = %7.4lE m4  EI = %7.4lE kNm2  "
          "EA = %7.4lE kN\n",
          kPrefix, i, double{c.width}, double{c.height}, double{c.area}, double{c.inertia},
          double{ei}, double{ea});
    } else {
      out.print("%s %2i b = %4.2lf m  h = %4.2lf m  A = %4.2lf m2 I = %7.4lE m4 \n", kPrefix, i,
                double{c.width}, double{c.height}, double{c.area}, double{c.inertia});
    }
  }
  out.print("%s\n", kPrefix);
  out.print("%s%s %.4E %s\n", kPrefix, "The stiffness of a rigid support equals:  max E * max A = ",
            double{model.params.rigidStiffness}, " kN/m or kNm (clamped edge)");
  out.print("%s\n", kPrefix);
}

void WriteElements(TextOut& out, const ModelTables& model) {
  out.print("%s%s\n", kPrefix, "Elements");
  out.print("%s\n", kPrefix);
  out.print("%s%s\n\n", kPrefix,
            "Nr.  xa [m]  ya [m]   xb [m]  yb [m]     Nodes     Mat.  C.Sect.   C    T    H left  "
            "H right");
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    out.print(
        "%s%3i %7.2lf %7.2lf  %7.2lf %7.2lf    %3i/%3i   %3i    %3i       %i    %i      %i"
        "       %i\n",
        kPrefix, k, double{e.xa}, double{e.ya}, double{e.xb}, double{e.yb}, e.nodeLeft, e.nodeRight,
        e.material, e.crossSection, e.compression, e.tension, e.hingeLeft, e.hingeRight);
  }
  out.print("%s\n", kPrefix);
}

void WriteNodes(TextOut& out, const ModelTables& model) {
  out.print("%s%s\n", kPrefix, "Nodes");
  out.print("%s\n", kPrefix);
  out.print("%s%s  \n", kPrefix,
            "        Coordinates   support: 0.0 = free, 1.0 = fixed or in between");
  out.print("%s%s  \n", kPrefix, std::string(kFactorColumnBlanks, ' ').c_str());
  out.print("%s%s\n\n", kPrefix, "Nr.    x [m]   y [m]      u          v         phi   ");
  for (int j = 1; j <= NodeRows(model); ++j) {
    const NodeRecord& n = model.nodes[j];
    const float sum = n.supportU + n.supportV + n.supportPhi;
    if (sum == 0.0f)
      out.print("%s%3i %7.2lf %7.2lf \n", kPrefix, j, double{n.x}, double{n.y});
    else
      out.print("%s%3i %7.2lf %7.2lf    %6.4f      %6.4f      %6.4f\n", kPrefix, j, double{n.x},
                double{n.y}, double{n.supportU}, double{n.supportV}, double{n.supportPhi});
  }
  out.print("%s\n", kPrefix);
  out.print("%s%s%.4E\n", kPrefix,
            "The effective support stiffness in kN/m (or kNm) is the table entry * ",
            double{model.params.rigidStiffness});
}

}  // namespace

std::string ReportDateText(const std::tm& date) {
  const int weekday = ((date.tm_wday % kDaysPerWeek) + kDaysPerWeek) % kDaysPerWeek;
  return Format("%s  %d %d %d", kWeekdays[weekday], date.tm_year + kCalendarYearBase,
                date.tm_mon + 1, date.tm_mday);
}

void WriteDimensions(Session& s, const std::tm& date) {
  ModelTables& model = s.model;
  model.params.rigidStiffness = RigidStiffness(model);
  TextOut out;
  WriteHeader(out, model, s.paths, date);
  WriteMaterialsAndSections(out, model);
  WriteElements(out, model);
  WriteNodes(out, model);
  out.save(s.paths.plainFile("D1.TXT"));
}

void WriteDimensions(Session& s) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  WriteDimensions(s, local);
}

}  // namespace rerore
