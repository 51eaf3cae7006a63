// The position commands: Store, Store as, New, Open, End and the echo
// editing round trip. They act on the session and talk through
// UserMessages; the window adds only its dialogs (the name of Store as,
// the folder of Open, the echo editor) and redraws after them.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "model/check_outcome.h"
#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

inline constexpr const char* kUnnamedExtension = ".NEW";
inline constexpr const char* kUnnamedPosition = "NEW";
// The filter of the Directory command's file dialog.
inline constexpr const char* kDirectoryFilter = "SDIR*. | SDIR* |";

// True for the position ".NEW", which has no name yet.
bool IsUnnamedPosition(const PositionPaths& paths);

// Asks for a position name, prefilled with the given one; nullopt when the
// user stops. The window shows its "Store" dialog here.
using PositionNameRequest = std::function<std::optional<std::string>(const std::string& prefill)>;

// What the window does after a command.
enum class CommandEnd {
  Stay,       // redraw and go on
  Quit,       // end the program
  Unchanged,  // the user cancelled: nothing happened
};

struct StoreOutcome {
  CommandEnd end = CommandEnd::Stay;  // Quit exactly when the frame is sound
  CheckOutcome check;
};

// Writes every table, the derived files and the echo file, checks the
// frame and, when it is sound and every file of the position was written,
// writes GEOMETRY = 1 and asks for the program's end; a file that could not
// be written is named and the program stays. A position without a name
// (".NEW") is named through Store as first.
StoreOutcome Store(Session& s, UserMessages& messages, const PositionNameRequest& askName);

// Names the position: creates its directory, switches the paths to it and
// writes every table of the model there (GEOMETRY 0 first). Returns false
// when the user stopped; a name that cannot give a folder, or gives a path
// too long, is refused with a message and asked for again.
bool StoreAs(Session& s, UserMessages& messages, const PositionNameRequest& askName);

// Makes the frame on the screen the content of the unnamed position NEW
// (its tables written to SDIRNEW), after asking whether to erase it or to
// save changes. On Stay the window resets its drawing aids and input modes
// and shows "Position NEW".
// `changed` tells whether the frame differs from the stored one (the
// window knows it from its undo history); without it the change sum of the
// parameter block tells.
CommandEnd NewPosition(Session& s, UserMessages& messages, const PositionNameRequest& askName,
                       std::optional<bool> changed = std::nullopt);

// Asked before another position is opened while the frame on the screen
// has changes: "Save changes?". Yes keeps the frame in its position as End
// leaves it (a position without a name is named first), No goes on without;
// false when the user cancels the Open.
bool SaveChangesBeforeOpen(Session& s, UserMessages& messages, const PositionNameRequest& askName);

// Opens the position of a folder chosen in the folder browser. Returns
// false, after a message, when the folder is no position directory (the
// window then shows the browser again). On true the window resets its
// drawing aids, takes the loaded world window and the GEOMETRY check mark
// (paths.geometryPresent) and redraws.
bool OpenPosition(Session& s, UserMessages& messages, const std::string& chosenFolder);

// The echo file with its companion files when the model has a material, an
// element and a node; then the program ends. Elements that have no nodes
// yet get them first, so that a frame only drawn is not lost.
CommandEnd EndProgram(Session& s, UserMessages& messages);

// The echo editor's round trip: the model is written to the temporary echo
// file, the window lets the user edit it, and the edited text is loaded
// when the dialog ended with OK and the file changed.
struct EchoEdit {
  std::string path;
  std::filesystem::file_time_type writtenAt;
};
EchoEdit BeginEchoEdit(Session& s);
// Returns true when the model was loaded from the edited file; text
// without any section is refused and leaves the model as it was.
bool FinishEchoEdit(Session& s, UserMessages& messages, const EchoEdit& edit, bool accepted);

}  // namespace rerore
