#include "echo/echo_writer.h"

#include <algorithm>

#include "check/rebuild.h"
#include "echo/dimensions_report.h"
#include "model/position_files.h"

namespace rerore {

namespace {

bool IsBlankTitle(const std::string& title) {
  return title.find_first_not_of(' ') == std::string::npos;
}

void PrintTables(TextOut& out, const ModelTables& model) {
  out.print("MATERIAL\n%i\n", MaterialRows(model));
  for (int i = 1; i <= MaterialRows(model); ++i) {
    const MaterialRecord& m = model.materials[i];
    out.print("%i %8.2lf %2lf\n", m.number, double{m.modulus}, double{m.secondConstant});
  }
  out.print("CROSSECTIONS\n%i\n", CrossSectionRows(model));
  for (int i = 1; i <= CrossSectionRows(model); ++i) {
    const CrossSectionRecord& c = model.crossSections[i];
    out.print("%i %4.3lf %4.3lf %7.4lE %7.4lE\n", c.number, double{c.width}, double{c.height},
              double{c.area}, double{c.inertia});
  }
  out.print("ELEMENTS\n%i\n", ElementRows(model));
  for (int k = 1; k <= ElementRows(model); ++k) {
    const ElementRecord& e = model.elements[k];
    out.print("%i %.2f %.2f %.2f %.2f %i %i %i %i %i %i\n", k, double{e.xa}, double{e.ya},
              double{e.xb}, double{e.yb}, e.hingeLeft, e.hingeRight, e.material, e.crossSection,
              e.compression, e.tension);
  }
  out.print("NODES\n%i\n", NodeRows(model));
  for (int j = 1; j <= NodeRows(model); ++j) {
    const NodeRecord& n = model.nodes[j];
    out.print("%i %.2f %.2f  %7.4lE  %7.4lE  %7.4lE\n", n.number, double{n.x}, double{n.y},
              double{n.supportU}, double{n.supportV}, double{n.supportPhi});
  }
}

double GivenFactor(uint8_t given, float factor) { return given == 1 ? double{factor} : 0.0; }

void PrintSupportsAndParabola(TextOut& out, ModelTables& model) {
  out.print("SUPPORTS\n%i\n", SupportRows(model));
  for (int i = 1; i <= SupportRows(model); ++i) {
    const SupportRecord& r = model.supports[i];
    out.print("%i %.2lf %.2lf %.2lf\n", r.node, GivenFactor(r.givenU, r.factorU),
              GivenFactor(r.givenV, r.factorV), GivenFactor(r.givenPhi, r.factorPhi));
  }
  model.params.singleSupport = model.params.supportCount == 1 ? 1 : 0;
  const ParabolaParameters& p = model.parabola;
  if (p.elements != 0)
    out.print("PARABOLA\n%.2f %.2f %i\n", double{p.span}, double{p.rise}, p.elements);
}

}  // namespace

void PrintEcho(TextOut& out, ModelTables& model) {
  out.print("TITEL\n%s\n", model.params.titleText().c_str());
  PrintTables(out, model);
  PrintSupportsAndParabola(out, model);
}

void WriteEcho(Session& s, const std::string& path) {
  ModelTables& model = s.model;
  model.params.echoState84 = 0;
  if (IsBlankTitle(model.params.titleText()))
    model.params.setTitle("Position " + s.paths.positionName);
  TextOut out;
  PrintEcho(out, model);
  out.save(path);
  WriteDimensions(s);
  WriteGraphicsMarkerFile(s.paths);
  WriteParametersFile(s.paths, model);
  NumberNodeEquations(model);  // the elements' equation numbers stay
  WriteDofFile(s.paths, model);
  WriteElementsFile(s.paths, model);
  WriteFilesListIfMissing(s.paths);
}

}  // namespace rerore
