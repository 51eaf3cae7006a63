// The model rebuild: nodes from the element ends, the connection of the
// elements to the nodes, the numbering of the unknowns with a rotation of
// its own for every hinged element end, and the files that follow from
// them. Run after every change of the element table.
#pragma once

#include <string>

#include "model/file_io.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

// Nodes, connectivity, equations; writes ELEMENTS and NODES.
void RebuildModel(Session& s, UserMessages& messages);

// What the rebuild does to the model, without reading or writing a file:
// nodes, connectivity, equations and the stiffness products of the
// elements, exactly as RebuildModel leaves them. The live check numbers its
// copy of the model with it.
void NumberModel(ModelTables& model, UserMessages& messages);

// The cross sections the rebuild works with: those of the CROSS file, or,
// when there is none, the default section as the only one. Returns false
// in that case (RebuildModel then writes CROSS).
bool TakeCrossSectionsFromFile(const PositionPaths& paths, ModelTables& model);

// Clears what the rebuild derives for every node row: the element list,
// the hinge and rotation counts and the rotation equations.
void ClearNodeConnections(ModelTables& model);

// Creates a node for every distinct element end (0.05 m apart), in the order
// of first appearance. Returns the number of nodes.
int GenerateNodes(Session& s, UserMessages& messages);
int GenerateNodes(ModelTables& model, UserMessages& messages);

// Sets nodeLeft/nodeRight, the nodes' element lists and mixedHinges; writes
// ELEMENTS with the run-time words zeroed.
void ConnectElements(Session& s, UserMessages& messages);
// The same without the file.
void ConnectElementEnds(ModelTables& model, UserMessages& messages);

// Hinge and rotation counts, equation numbers of the nodes, the equation
// table and the elements' endDofs. Returns the number of equations.
int NumberEquations(ModelTables& model);

// Numbers the equations node by node from the nodes' rotation counts: u, v,
// then the rotations, with their rows of the equation table. Returns the
// number of equations; the elements' equation numbers are not touched.
int NumberNodeEquations(ModelTables& model);

// Every node's startingElement and endingElement: the last element whose
// left, respectively right, end lies at the node.
void SetElementEnds(ModelTables& model);

// The continuous-beam variant: supports at every node on the ground, and
// the ELEMENTSNODES.TXT listing; does not write ELEMENTS.
void RebuildBeamModel(Session& s, UserMessages& messages);

// Every node on the ground (|y| <= 0.01) gets u and v supported with factor
// 1.0 and a support row; the support table is rebuilt from row 1. Other
// support data of the nodes stay as they are.
void SupportGroundNodes(ModelTables& model);

// Derived geometry of every element, ELEMENTS (full writer) and EXTENSIOR;
// the extent becomes the view's world rectangle.
void WriteModelExtent(Session& s);

// Distance of two points as the node matching measures it: differences and
// squares in single precision, the root in double, rounded to single.
float SingleDistance(float x1, float z1, float x2, float z2);

// When the rebuilt model does not fit the tables (an element end without a
// node after the node overflow, more element ends at a node than it holds),
// the message that refuses it; empty when the model fits.
std::string ModelLimitMessage(const ModelTables& model);

// The per-node block of the listings: "<label> %i  x = ... dofstotal = %i",
// its equations and elements, for every node.
void AppendNodeListing(TextOut& out, const ModelTables& model, const char* label);

}  // namespace rerore
