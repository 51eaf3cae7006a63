// Renders every table dialog with typical content into PNG files, for the
// pictures in docs/. Runs without a display:
//   QT_QPA_PLATFORM=offscreen build/table_screenshots docs/
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <filesystem>

#include "check/rebuild.h"
#include "commands/startup.h"
#include "gui/c_locale.h"
#include "model/position_files.h"
#include "tables/arc_dialog.h"
#include "tables/continuous_beam_dialog.h"
#include "tables/cross_sections_dialog.h"
#include "tables/delete_element_question.h"
#include "tables/element_editor.h"
#include "tables/elements_dialog.h"
#include "tables/frame_generator_dialog.h"
#include "tables/input_hub.h"
#include "tables/materials_dialog.h"
#include "tables/nodes_dialog.h"
#include "tables/parabola_dialog.h"
#include "tables/table_editor.h"

namespace {

using namespace rerore;

class Silent : public UserMessages {
 public:
  void message(const std::string&, const std::string&, MessageIcon) override {}
  Answer ask(const std::string&, const std::string&, MessageButtons) override { return Answer::Ok; }
};

void Save(QWidget& widget, const QString& directory, const QString& name) {
  widget.show();
  QApplication::processEvents();
  widget.grab().save(directory + "/" + name + ".png");
  widget.hide();
}

// A portal frame of two storeys with its materials, sections and supports.
void MakeFrame(Session& session, UserMessages& messages) {
  ModelTables& model = session.model;
  const float ends[][4] = {{0, 0, 0, 3.5f},    {0, 3.5f, 6, 3.5f}, {6, 3.5f, 6, 0},
                           {0, 3.5f, 0, 6.5f}, {0, 6.5f, 6, 6.5f}, {6, 6.5f, 6, 3.5f}};
  model.params.elementCount = 6;
  for (int k = 1; k <= 6; ++k) {
    ElementRecord& e = model.elements[k];
    SetElementLeft(e, ends[k - 1][0], ends[k - 1][1]);
    SetElementRight(e, ends[k - 1][2], ends[k - 1][3]);
    e.material = 1;
    e.crossSection = k == 2 || k == 5 ? 2 : 1;
    e.compression = e.tension = 1;
  }
  model.elements[5].hingeLeft = 1;
  model.params.crossSectionCount = 2;
  model.crossSections[2] = model.crossSections[1];
  model.crossSections[2].number = 2;
  model.crossSections[2].height = 0.5f;
  model.crossSections[2].area = 0.1f;
  model.crossSections[2].inertia = 0.0020833f;
  WriteCrossSectionsFile(session.paths, model);
  WriteModelExtent(session);
  RebuildModel(session, messages);
  model.nodes[1].supportU = model.nodes[1].supportV = model.nodes[1].supportPhi = 1.0f;
  model.nodes[4].supportU = model.nodes[4].supportV = 1.0f;
  WriteNodesFile(session.paths, model);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  UseCLocaleForNumbers();
  const QString out = argc > 1 ? argv[1] : "docs";
  QDir().mkpath(out);
  const std::string data = std::filesystem::temp_directory_path() / "rerore-screenshots/";
  std::filesystem::remove_all(data);
  std::filesystem::create_directories(data + "SDIR001");
  Session session;
  Silent messages;
  if (StartProgram(session, messages, ".001 @" + data) != StartResult::Started) return 1;
  MakeFrame(session, messages);

  InputHub hub(session, messages, QPoint(0, 0));
  Save(hub, out, "input-hub");
  MaterialsDialog materials(session, messages);
  materials.grid()->setItemText(2, 1, "C30/37");
  materials.grid()->setItemText(2, 2, "2.830E+07");
  Save(materials, out, "materials");
  CrossSectionsDialog sections(session, messages);
  Save(sections, out, "cross-sections");
  ElementsDialog elements(session, messages);
  Save(elements, out, "elements");
  ElementEditor editor(session.model.elements[5], 5);
  Save(editor, out, "element-editor");
  DeleteElementQuestion verify(5);
  Save(verify, out, "delete-question");
  NodesDialog nodes(session, messages);
  nodes.targetField()->setText("1.0E+06");
  nodes.factorField()->setText("0.03968");
  Save(nodes, out, "nodes");
  ContinuousBeamDialog beam(session, messages);
  for (int r = 1; r <= 4; ++r) beam.grid()->setItemText(r, 1, QString::asprintf("%.2f", 5.0 * r));
  Save(beam, out, "continuous-beam");
  FrameGeneratorDialog frame(session, messages);
  frame.grid()->setItemText(1, 1, "3.5");
  frame.grid()->setItemText(1, 2, "3");
  frame.grid()->setItemText(1, 3, "6.0");
  frame.grid()->setItemText(2, 1, "3.0");
  frame.grid()->setItemText(2, 2, "2");
  frame.grid()->setItemText(2, 3, "12.0");
  Save(frame, out, "frame");
  ArcDialog arc(LoadArcDialogTexts(session.paths));
  Save(arc, out, "arc");
  ParabolaDialog parabola({"10.00", "2.00", "8"});
  Save(parabola, out, "parabola");
  std::filesystem::remove_all(data);
  return 0;
}
