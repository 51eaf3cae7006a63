// The echo branch of start-up and of the Echo command: the model read from
// an echo-type text file.
#pragma once

#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

inline constexpr const char* kNoFrameInEchoText =
    "The echo text holds no frame; nothing was loaded.";

// Loads the model from an echo-type text file: mode 3 the position's echo
// file, mode 4 the temporary file of the echo editor. Text without any
// section keyword is refused with kNoFrameInEchoText (box titled "Error"):
// then the model and every file stay as they were and the result is false.
inline constexpr int kLoadPositionEcho = 3;
inline constexpr int kLoadTemporaryEcho = 4;
bool LoadOldData(Session& session, UserMessages& messages, int mode);

}  // namespace rerore
