#include "check/flexibility_ranking.h"

#include <cstdint>
#include <utility>

#include "model/file_io.h"
#include "model/user_messages.h"

namespace rerore {

std::vector<int> RankDescending(const std::vector<float>& values) {
  const int n = static_cast<int>(values.size()) - 1;
  std::vector<float> sorted = values;
  std::vector<int> index(n + 1);
  for (int i = 0; i <= n; ++i) index[i] = i;
  // Neighbours change places only when the left one is strictly greater,
  // so equal values keep the order of their equations.
  for (int pass = n - 1; pass >= 1; --pass) {
    for (int j = 1; j <= pass; ++j) {
      if (sorted[j] > sorted[j + 1]) {
        std::swap(sorted[j], sorted[j + 1]);
        std::swap(index[j], index[j + 1]);
      }
    }
  }
  return std::vector<int>(index.rbegin(), index.rend() - 1);
}

EquationOwner OwnerOf(const ModelTables& model, int equation) {
  EquationOwner owner;
  for (int j = 1; j <= NodeRows(model); ++j) {
    const NodeRecord& node = model.nodes[j];
    const char* format = nullptr;
    if (node.dofU == equation)
      format = "ux at Node %i";
    else if (node.dofV == equation)
      format = "uy at Node %i";
    else if (node.dofPhi[1] == equation)
      format = "phi at Node %i";
    if (format) owner = {j, Format(format, j)};
  }
  return owner;
}

void WriteFlexibilityRanking(const PositionPaths& paths, const ModelTables& model,
                             const std::vector<float>& values) {
  const std::vector<int> ranking = RankDescending(values);
  const int n = static_cast<int>(ranking.size());
  TextOut text;
  text.print("Entries on the diagonal of the inverse (= flexibility matrix) from max --> min\n\n");
  BinaryOut records;
  EquationOwner shown;  // a rotation of a hinged end repeats the line before
  for (int r = n; r >= 1; --r) {
    const int equation = ranking[n - r];
    EquationOwner owner = OwnerOf(model, equation);
    if (!owner.label.empty()) shown = std::move(owner);
    text.print("%i   %3i   %.3E  %s\n", r, equation, static_cast<double>(values[equation]),
               shown.label.c_str());
    records.put(static_cast<int32_t>(shown.node));
    records.put(static_cast<int32_t>(equation));
    records.put(values[equation]);
  }
  text.save(paths.plainFile("FLEXMAX.TXT"));
  records.save(paths.file("FLEXMAX"));
}

}  // namespace rerore
