// Start-up: the command line, the position paths and the loading of the
// position, before any window exists.
#pragma once

#include <string>

#include "model/session.h"
#include "model/user_messages.h"

namespace rerore {

enum class StartResult {
  Started,
  MissingInput,  // empty command line or no "@": the program does not start
  NotWritable,   // the data directory cannot be written or its path is too
                 // long: the program ends
};

// The first start step: parses the command line, loads the position and
// prepares the view's start state. Shows "Missing input" or the write-test
// message itself.
StartResult StartProgram(Session& session, UserMessages& messages, const std::string& commandLine);
StartResult StartProgram(Session& session, UserMessages& messages, const CommandLine& line);

// Loads everything the position holds. Returns 0 when the data directory
// cannot be written or the position's path is too long (after its
// message), else 1. A data path without a separator at its end gets one.
// The position directory is made when missing, and what a killed run left
// in it (temporary files) is removed first.
int LoadPosition(Session& session, UserMessages& messages);

// Clears the parameter words that a fresh load must not inherit.
void ResetParameters(ModelTables& model);

// Takes the world window from EXTENSIOR (x 0..50, y 0..30 when missing or
// refused) and lets the view choose its scale anew.
void ReadWorldWindow(Session& session, UserMessages* messages = nullptr);

// True when the position's echo file can be opened and has a modification
// time; an empty file counts as present.
bool EchoFilePresent(const PositionPaths& paths);

}  // namespace rerore
