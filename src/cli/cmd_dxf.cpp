// rerore-cli import-dxf and export-dxf: a frame from the system lines of a
// CAD drawing, and the frame into a drawing. The import goes through the
// same plan and files as the window's import, then ends like End, so that
// the next start loads the imported frame.
#include <cstdio>

#include "cli/commands.h"

#ifdef RERORE_WITH_DXF
#include "commands/position_commands.h"
#include "dxf/dxf_export.h"
#include "dxf/dxf_import.h"
#endif

namespace rerore {

#ifdef RERORE_WITH_DXF

namespace {

constexpr size_t kStartArguments = 2;  // EXT @DATAPATH

struct ImportArguments {
  Arguments start;
  std::string file;
  DxfImportOptions options;
  ImportMode mode = ImportMode::Replace;
};

bool ParseImportArguments(const Arguments& arguments, ImportArguments& parsed) {
  Arguments plain;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (a == "--layer" && hasValue) {
      parsed.options.layer = arguments[++i];
    } else if (a == "--unit" && hasValue) {
      const std::optional<DrawingUnit> unit = DrawingUnitOfName(arguments[++i]);
      if (!unit) return false;
      parsed.options.unit = *unit;
    } else if (a == "--keep-origin") {
      parsed.options.moveToOrigin = false;
    } else if (a == "--append") {
      parsed.mode = ImportMode::Append;
    } else if (a.starts_with("--")) {
      return false;
    } else {
      plain.push_back(a);
    }
  }
  if (plain.size() != kStartArguments + 1) return false;
  parsed.start.assign(plain.begin(), plain.begin() + kStartArguments);
  parsed.file = plain.back();
  return true;
}

}  // namespace

int RunImportDxf(const Arguments& arguments) {
  ImportArguments parsed;
  if (!ParseImportArguments(arguments, parsed)) {
    std::fprintf(stderr, "usage: rerore-cli %s\n", kImportDxfUsage);
    return kExitUsage;
  }
  CliMessages messages;
  // A file that is no drawing is refused before the position is touched.
  const std::optional<DxfDrawing> drawing = ReadDxfDrawing(parsed.file);
  if (!drawing) {
    messages.message(UnreadableDrawingMessage(parsed.file), "Error", MessageIcon::None);
    return kExitRejected;
  }
  Session session;
  if (const int status = StartFromArguments(session, messages, parsed.start)) return status;
  const DxfImportPlan plan = PlanDxfImport(*drawing, parsed.options, parsed.mode, session.model);
  if (!ImportDxfFrame(session, messages, plan, parsed.mode)) return kExitRejected;
  std::printf("%s\n", ImportSummary(plan).c_str());
  EndProgram(session, messages);
  return 0;
}

int RunExportDxf(const Arguments& arguments) {
  Arguments start;
  std::string output;
  if (!SplitStartAndValue(arguments, start, output)) {
    std::fprintf(stderr, "usage: rerore-cli %s\n", kExportDxfUsage);
    return kExitUsage;
  }
  Session session;
  CliMessages messages;
  if (const int status = StartFromArguments(session, messages, start)) return status;
  switch (ExportDxfFile(session, messages, output)) {
    case DxfExport::NoElements:
      return kExitRejected;
    case DxfExport::NotWritten:
      return kExitFileNotWritten;  // the file is named with the others not written
    default:
      return 0;
  }
}

#else

namespace {

int DxfNotBuiltIn() {
  CliMessages messages;
  messages.message("DXF import and export are not built into this program", "Error",
                   MessageIcon::None);
  return kExitUsage;
}

}  // namespace

int RunImportDxf(const Arguments&) { return DxfNotBuiltIn(); }
int RunExportDxf(const Arguments&) { return DxfNotBuiltIn(); }

#endif

}  // namespace rerore
