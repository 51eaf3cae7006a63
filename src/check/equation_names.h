// What an equation number stands for: the horizontal or vertical
// displacement of a node, the rotation of a node, or the rotation of one
// hinged element end, which has an equation of its own. Messages name the
// unknown this way, so that the user need not count equations by hand to
// find where the frame can move.
#pragma once

#include <string>

#include "model/model_tables.h"
#include "model/records.h"

namespace rerore {

struct EquationMeaning {
  int node = 0;  // 0 when no node of the model has the equation
  DofKind kind = kDofU;
  // A rotation of a hinged element end: the element and which of its ends;
  // 0 for the rotation the node shares with its rigid ends.
  int element = 0;
  bool leftEnd = false;

  bool known() const { return node != 0; }
};

// The node (and hinged end) whose unknown has this equation number, as the
// last rebuild numbered them.
EquationMeaning MeaningOfEquation(const ModelTables& model, int equation);

// "the horizontal displacement u of node 3", "the vertical displacement v
// of node 3", "the rotation of node 3", "the rotation of the left end of
// element 4 at node 3"; empty when the meaning is not known.
std::string DescribeUnknown(const EquationMeaning& meaning);

// How the frame moves at the unknown, in a few words for the status bar:
// "node 3 can move in u", "node 3 can move in v", "node 3 can rotate",
// "the left end of element 4 can rotate at node 3"; "equation 14 is free"
// when no node has it.
std::string ShortMotion(const ModelTables& model, int equation);

// "Equation 14 is the rotation of node 3: the frame can move there.", the
// second line of the singularity message; empty for an equation that no
// node has.
std::string SingularityExplanation(const ModelTables& model, int equation);

}  // namespace rerore
