// Edits of single elements: the element editor's numbers and flags, deleting
// an element, and the hinge command's toggle or split.
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

// The hinge command at the picked point (px, py) on element k: toggles the
// hinge of an end within 0.2 m, otherwise splits the element there.
void ToggleHingeOrSplit(Session& s, UserMessages& messages, int k, float px, float py);

}  // namespace rerore
