#include "check/structure_check.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/assemble_and_check.h"
#include "check/equation_names.h"
#include "check/flexibility_ranking.h"
#include "check/rebuild.h"
#include "check/solver.h"
#include "check/stiffness_matrix.h"
#include "model/file_io.h"

namespace rerore {

namespace {

// No result of an earlier check may survive this one.
void RemoveEarlierResults(const PositionPaths& paths) {
  for (const char* stem : {"INVERSE", "FLEXDIA", "FLEXMAX"}) RemoveFile(paths.file(stem));
  RemoveFile(paths.plainFile("FLEXMAX.TXT"));
}

template <class T>
std::string_view BytesOf(const std::vector<T>& values, size_t from = 0) {
  return std::string_view(reinterpret_cast<const char*>(values.data() + from),
                          (values.size() - from) * sizeof(T));
}

void WriteMatrixFiles(const PositionPaths& paths, const StiffnessMatrix& k,
                      UserMessages& messages) {
  SaveMatrixImage(paths, "MATRIX", {k.rowsImage()}, messages);
  SaveMatrixImage(paths, "MATRIXP", k.packedRows(), messages);
  SaveMatrixImage(paths, "MATRIXORI", {k.rowsImage()}, messages);
}

// The flexibility diagonal as FLEXDIA and as the ranking files.
void WriteDiagonal(const Session& s, const std::vector<double>& inverse, int n) {
  std::vector<double> diagonal(n + 1, 0.0);
  std::vector<float> single(n + 1, 0.0f);
  for (int c = 1; c <= n; ++c) {
    diagonal[c] = inverse[static_cast<size_t>(c - 1) * n + (c - 1)];
    single[c] = static_cast<float>(diagonal[c]);
  }
  WriteFileAtomically(s.paths.file("FLEXDIA"), BytesOf(diagonal, 1));
  WriteFlexibilityRanking(s.paths, s.model, single);
}

// The row where the solver found no pivot, and on a second line what that
// unknown is, so that the user sees where the frame moves.
std::string SingularityMessage(const ModelTables& model, int equation) {
  std::string text = Format("Singularity in row %d", equation);
  const std::string explanation = SingularityExplanation(model, equation);
  if (!explanation.empty()) text += "\n" + explanation;
  return text;
}

CheckOutcome Finish(Session& s, CheckOutcome outcome) {
  s.check.outcome = outcome;
  return outcome;
}

// A value that is not finite is no result: the frame is refused rather
// than called sound or a mechanism.
CheckOutcome RefuseNotFinite(Session& s, UserMessages& messages) {
  messages.message(kNotFiniteMatrixText, "Error");
  return Finish(s, CheckOutcome::refused());
}

bool AllFinite(const std::vector<double>& values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

std::string CheckLimitMessage(const ModelTables& model) {
  if (ElementRows(model) == 0) return kNoElementsText;
  std::string text = ModelLimitMessage(model);
  const int n = model.params.equationCount;
  if (text.empty() && n > kMaxCheckEquations)
    text = Format("Too many equations %i, max = %i", n, kMaxCheckEquations);
  return text;
}

CheckOutcome CheckStructure(Session& s, UserMessages& messages) {
  const PositionPaths& paths = s.paths;
  RemoveEarlierResults(paths);
  // No earlier mechanism is drawn while a message of this check is up.
  s.check.outcome.reset();
  const std::string limit = CheckLimitMessage(s.model);
  if (!limit.empty()) {
    messages.message(limit, "Error");
    return Finish(s, CheckOutcome::refused());
  }
  const int n = std::max<int>(0, s.model.params.equationCount);
  StiffnessMatrix k = AllocateStiffnessMatrix(n, messages);
  CheckWorkspace work;
  if (AssembleAndCheck(s, k, messages, work) == 0) return Finish(s, CheckOutcome::refused());
  WriteMatrixFiles(paths, k, messages);

  std::vector<double> inverse(static_cast<size_t>(n) * n);
  FlexibilitySolver solver(k, std::move(work.scratch));
  std::vector<double> first(n + 1, 0.0);
  if (n > 0) first[1] = 1.0;
  const int singular = solver.Solve(first.data());
  if (singular > 0) {
    if (!solver.factors().allFinite()) return RefuseNotFinite(s, messages);
    messages.message(SingularityMessage(s.model, singular), "Error");
    return Finish(s, CheckOutcome::mechanismAt(singular));
  }
  std::copy(first.begin() + 1, first.end(), inverse.begin());
  if (n > 0) {
    solver.SolveUnitColumns(2, n, inverse.data() + n);
    if (!AllFinite(inverse)) return RefuseNotFinite(s, messages);
    solver.factors().transposedImage(work.bytes);
    SaveMatrixImage(paths, "LU", {work.bytes}, messages);
    WriteFileAtomically(paths.file("INVERSE"), BytesOf(inverse));
  }
  WriteDiagonal(s, inverse, n);
  return Finish(s, CheckOutcome::sound());
}

}  // namespace rerore
