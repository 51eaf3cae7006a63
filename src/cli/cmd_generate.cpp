// rerore-cli generate: the four generators with their values on the command
// line, through the same checks and files as the dialogs' OK, then End, so
// that the echo file holds the generated frame for the next start.
#include <cstdio>
#include <limits>

#include "cli/commands.h"
#include "commands/position_commands.h"
#include "generators/continuous_beam.h"
#include "generators/curve_generators.h"
#include "generators/frame_generator.h"

namespace rerore {

namespace {

constexpr size_t kStartArguments = 2;  // EXT @DATAPATH
constexpr size_t kArcValues = 4;
constexpr size_t kParabolaValues = 3;
// Rows beyond the table are refused by the table check with its own message.
constexpr size_t kAnyNumber = std::numeric_limits<size_t>::max();

// "H:N:S" as the three cells of one storey row; missing parts stay empty.
FloorRowTexts FloorRow(const std::string& value) {
  std::string parts[3];
  size_t part = 0;
  for (char c : value) {
    if (c == ':' && part < 2)
      ++part;
    else
      parts[part] += c;
  }
  return {parts[0], parts[1], parts[2]};
}

ViewFollowUp Frame(Session& session, UserMessages& messages, const Arguments& values) {
  std::vector<FloorRowTexts> rows;
  for (const std::string& value : values) rows.push_back(FloorRow(value));
  if (!AcceptFloorTable(session, messages, rows)) return ViewFollowUp::None;
  return FrameDialogAccepted(session, messages);
}

ViewFollowUp Arc(Session& session, UserMessages& messages, const Arguments& values) {
  return ArcDialogOk(session, messages, {values[0], values[1], values[2], values[3]});
}

ViewFollowUp Parabola(Session& session, UserMessages& messages, const Arguments& values) {
  return ParabolaDialogOk(session, messages, {values[0], values[1], values[2]});
}

struct GeneratorCommand {
  const char* kind;
  ViewFollowUp (*run)(Session&, UserMessages&, const Arguments&);
  size_t minValues;
  size_t maxValues;
};

const GeneratorCommand kGenerators[] = {
    {"beam", ContinuousBeamOk, 1, kAnyNumber},
    {"frame", Frame, 1, kAnyNumber},
    {"arc", Arc, kArcValues, kArcValues},
    {"parabola", Parabola, kParabolaValues, kParabolaValues},
};

const GeneratorCommand* FindGenerator(const Arguments& arguments) {
  if (arguments.size() < 1 + kStartArguments) return nullptr;
  const size_t values = arguments.size() - 1 - kStartArguments;
  for (const GeneratorCommand& g : kGenerators)
    if (arguments[0] == g.kind && values >= g.minValues && values <= g.maxValues) return &g;
  return nullptr;
}

}  // namespace

int RunGenerate(const Arguments& arguments) {
  const GeneratorCommand* generator = FindGenerator(arguments);
  if (!generator) {
    std::fprintf(stderr, "usage: rerore-cli generate beam|frame|arc|parabola EXT @DATAPATH ...\n");
    return kExitUsage;
  }
  Session session;
  CliMessages messages;
  const Arguments start(arguments.begin() + 1, arguments.begin() + 1 + kStartArguments);
  if (const int status = StartFromArguments(session, messages, start)) return status;
  const Arguments values(arguments.begin() + 1 + kStartArguments, arguments.end());
  if (generator->run(session, messages, values) == ViewFollowUp::None) return kExitRejected;
  EndProgram(session, messages);
  return 0;
}

}  // namespace rerore
