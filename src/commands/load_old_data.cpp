#include "commands/load_old_data.h"

#include <string>

#include "commands/startup.h"
#include "echo/echo_lines.h"
#include "echo/echo_reader.h"
#include "model/file_io.h"
#include "model/position_files.h"

namespace rerore {

namespace {

std::string ChooseEchoName(const PositionPaths& paths, int mode) {
  if (mode == kLoadPositionEcho) {
    const std::string withTxt = "ECHO_G" + paths.extension + ".TXT";
    if (FileReadable(paths.plainFile(withTxt))) return withTxt;
    const std::string bare = "ECHO_G" + paths.extension;
    if (FileReadable(paths.plainFile(bare))) return bare;
  } else if (mode == kLoadTemporaryEcho) {
    if (FileReadable(paths.temporaryEchoFile())) return "ECHO_G.TMP.TXT";
  }
  return "";
}

}  // namespace

bool LoadOldData(Session& s, UserMessages& messages, int mode) {
  Trace("\nG10 LoadOldData\n");
  const std::string name = ChooseEchoName(s.paths, mode);
  Trace("\nG10 DatenLaden " + name + "\n");
  EchoLineStore store;
  ReadEchoLines(store, s.paths, messages, name);
  // Text without any section is no echo of a frame: read, it would empty
  // every table and, at the next Store, the echo file too.
  if (!store.holdsAnySection()) {
    messages.message(kNoFrameInEchoText, "Error");
    return false;
  }
  // GEOMETRY goes to 0 before the text rewrites any table: a run killed in
  // between must not leave 1 beside tables the check has not seen.
  WriteGeometryFile(s.paths, kGeometryUnchecked);
  ResetParameters(s.model);
  ReadParametersFile(s.paths, s.model);
  ParseEcho(s, messages, store);
  s.model.params.inputState4 = 0;
  s.model.params.inputState52 = s.model.params.geometryEntered;
  ReadWorldWindow(s);
  store.clear();
  return true;
}

}  // namespace rerore
