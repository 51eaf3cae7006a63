#include "tables/core/element_editor.h"

#include "check/rebuild.h"

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

void DeleteElement(Session& session, UserMessages& messages, int k) {
  ModelTables& model = session.model;
  const int count = ElementRows(model);
  if (k < 1 || k > count) return;
  for (int i = k; i < count; ++i) model.elements[i] = model.elements[i + 1];
  model.params.elementCount = static_cast<int16_t>(count - 1);
  RebuildModel(session, messages);
}

}  // namespace rerore
