// The sub-commands of rerore-cli. Each takes the arguments after its name
// and returns the process exit status.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_messages.h"
#include "model/check_outcome.h"
#include "model/session.h"

namespace rerore {

using Arguments = std::vector<std::string>;

inline constexpr int kExitUsage = 1;
inline constexpr int kExitStartFailed = 4;     // the data directory cannot be used
inline constexpr int kExitRejected = 5;        // the input was refused with a message
inline constexpr int kExitFileNotWritten = 6;  // a file the command had to write is missing
inline constexpr int kExitSingular = 2;        // the check found a mechanism
inline constexpr int kExitCheckRefused = 3;    // the check did not take the model
// What "checkResult N" shows for a model the check did not take; scripts
// tell it from an equation number by its sign.
inline constexpr int kRefusedCheckNumber = -1;

// Prints "checkResult N" on stdout: 0 for a sound frame, the singular
// equation of a mechanism, kRefusedCheckNumber when the check did not take
// the model.
void PrintCheckResult(const CheckOutcome& outcome);
// Prints the line and returns the exit status of the outcome: 0 sound,
// kExitSingular for a mechanism, kExitCheckRefused for a refused model.
int ReportCheckResult(const CheckOutcome& outcome);

// Starts the program on the arguments EXT, @DATAPATH and optionally @G as
// the desktop program does; the data path is the whole second argument.
// Returns 0 when started, else the exit status for the failed start.
int StartFromArguments(Session& session, CliMessages& messages, const Arguments& arguments);

// Splits "EXT @DATAPATH VALUE" into the start arguments and the value;
// false when the arguments have another form.
bool SplitStartAndValue(const Arguments& arguments, Arguments& start, std::string& value);

// Runs a command and turns a file it could not write into the exit status
// kExitFileNotWritten, with a message naming each such file; a failed start
// and a usage error keep their own status.
int RunReportingUnwrittenFiles(int (*command)(const Arguments&), const Arguments& arguments);

int RunLoad(const Arguments& arguments);
int RunGenerate(const Arguments& arguments);
int RunEnd(const Arguments& arguments);
int RunStore(const Arguments& arguments);
// Start-up, then Store as with the given name (no dialog).
int RunStoreAs(const Arguments& arguments);
// Start-up, then the Echo command with the given file as the edited text.
int RunEcho(const Arguments& arguments);
// Start-up, model rebuild and structural check; prints "checkResult N".
int RunCheck(const Arguments& arguments);

inline constexpr const char* kImportDxfUsage =
    "import-dxf EXT @DATAPATH FILE.dxf [--layer NAME] [--unit m|cm|mm] [--keep-origin] "
    "[--append]\n"
    "                             the frame from the lines of a DXF drawing";
inline constexpr const char* kExportDxfUsage =
    "export-dxf EXT @DATAPATH OUT.dxf              the frame as a DXF drawing";
// Without DXF in the build both say so and exit with kExitUsage.
int RunImportDxf(const Arguments& arguments);
int RunExportDxf(const Arguments& arguments);

#ifdef RERORE_WITH_RENDER
inline constexpr const char* kRenderUsage =
    "render EXT @DATAPATH OUT.png|OUT.pdf [--size WxH] [--check]\n"
    "                             the view's picture as an image or a printed page";
int RunRender(const Arguments& arguments);
#endif

}  // namespace rerore
