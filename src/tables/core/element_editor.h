// The single-element editor's effect on the model: the edited numbers and
// flags of one element, and deleting an element.
#pragma once

#include <cstdint>

#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

struct ElementEdit {
  int16_t material = 1;
  int16_t crossSection = 1;
  bool compression = true;
  bool tension = true;
  bool hingeLeft = false;
  bool hingeRight = false;
};

// What the editor shows for element k.
ElementEdit ElementEditOf(const ElementRecord& element);

// Stores the edit in element k; EA and EI follow the new material and
// section.
void ApplyElementEdit(ModelTables& model, int k, const ElementEdit& edit);

// Elements k + 1 .. n move down one number, the count drops by one, and
// the nodes and equations are rebuilt (ELEMENTS and NODES written).
void DeleteElement(Session& session, UserMessages& messages, int k);

}  // namespace rerore
