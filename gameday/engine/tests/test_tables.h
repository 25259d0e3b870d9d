// Small outcome tables and teams of our own for the engine's tests.
#pragma once

#include <filesystem>

#include "gameday/engine/game.h"
#include "gameday/engine/tables.h"

namespace fbtest {

// Writes a complete set of table files into dir.
void writeTables(const std::filesystem::path& dir);

// The tables written by writeTables, loaded once.
const fb::Tables& tables();

// Two teams of 50 players with middling ratings; settings "222222".
fb::GameSetup setup();

// A fresh temporary directory for one test.
std::filesystem::path tempDir(const char* name);

}  // namespace fbtest
