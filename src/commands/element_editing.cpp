#include "commands/element_editing.h"

#include "check/rebuild.h"
#include "model/model_tables.h"
#include "model/position_files.h"

namespace rerore {

ElementEdit ElementEditOf(const ElementRecord& e) {
  return {e.material,     e.crossSection,   e.compression == 1,
          e.tension == 1, e.hingeLeft == 1, e.hingeRight == 1};
}

void ApplyElementEdit(ModelTables& model, int k, const ElementEdit& edit) {
  if (k < 1 || k > ElementRows(model)) return;
  ElementRecord& e = model.elements[k];
  e.material = edit.material;
  e.crossSection = edit.crossSection;
  e.compression = edit.compression ? 1 : 0;
  e.tension = edit.tension ? 1 : 0;
  e.hingeLeft = edit.hingeLeft ? 1 : 0;
  e.hingeRight = edit.hingeRight ? 1 : 0;
  UpdateStiffnessProducts(model, e);
}

namespace {

// A support record of a node the rebuild no longer made would support
// nothing, or a node that gets its number later.
void RemoveSupportsOfLostNodes(Session& session) {
  ModelTables& model = session.model;
  int kept = 0;
  for (int i = 1; i <= SupportRows(model); ++i) {
    const SupportRecord& support = model.supports[i];
    if (support.node < 1 || support.node > NodeRows(model)) continue;
    if (++kept != i) model.supports[kept] = support;
  }
  if (kept == model.params.supportCount) return;
  model.params.supportCount = static_cast<int16_t>(kept);
  WriteSupportsFile(session.paths, model);
}

}  // namespace

void DeleteElement(Session& session, UserMessages& messages, int k) {
  ModelTables& model = session.model;
  const int count = ElementRows(model);
  if (k < 1 || k > count) return;
  for (int i = k; i < count; ++i) model.elements[i] = model.elements[i + 1];
  model.params.elementCount = static_cast<int16_t>(count - 1);
  RebuildModel(session, messages);
  RemoveSupportsOfLostNodes(session);
}

void ToggleHingeOrSplit(Session& s, UserMessages& messages, int k, float px, float py) {
  ModelTables& model = s.model;
  if (k < 1 || k > ElementRows(model)) return;
  ElementRecord& e = model.elements[k];
  if (SingleDistance(px, py, e.xa, e.ya) < kHingePickDistance) {
    e.hingeLeft = e.hingeLeft == 1 ? 0 : 1;
  } else if (SingleDistance(px, py, e.xb, e.yb) < kHingePickDistance) {
    e.hingeRight = e.hingeRight == 1 ? 0 : 1;
  } else if (model.params.elementCount >= kMaxElements) {
    messages.message(Format("Too many elements, max = %i", kMaxElements), "Error");
    return;
  } else {
    ElementRecord added{};
    SetElementLeft(added, px, py);
    SetElementRight(added, e.xb, e.yb);
    added.ea = e.ea;
    added.ei = e.ei;
    added.compression = e.compression;
    added.tension = e.tension;
    added.material = e.material;
    added.crossSection = e.crossSection;
    added.hingeRight = e.hingeRight;  // the old right end keeps its hinge
    e.hingeRight = 0;                 // the split point is rigid
    SetElementRight(e, px, py);
    model.elements[++model.params.elementCount] = added;
    ComputeElementGeometry(e, model.params.angleFlag != 0);
    ComputeElementGeometry(model.elements[model.params.elementCount], model.params.angleFlag != 0);
  }
  WriteElementsFile(s.paths, model);
  RebuildModel(s, messages);
}

}  // namespace rerore
