#pragma once
// The small settings files the manager reads and writes in its folder: the remembered backup
// location, the file viewer's file types, the change-control switch and the position resets.
#include <filesystem>
#include <string>
#include <vector>

namespace steward {

// "path.dat": the backup location, one quoted field; empty when there is none.
std::string readLocation(const std::filesystem::path& folder);
void writeLocation(const std::filesystem::path& folder, const std::string& location);

// "types.dat": the count, then each type quoted. A missing or damaged file gives what could be read.
std::vector<std::string> readFileTypes(const std::filesystem::path& folder);
void writeFileTypes(const std::filesystem::path& folder, const std::vector<std::string>& types);

// "custom.dat": 0 hides the game's "Change Control" button, 1 shows it.
bool changeControlHidden(const std::filesystem::path& folder);
void writeChangeControl(const std::filesystem::path& folder, bool hidden);

enum class Reset { FileViewerPosition, BatchplayPosition, StandingsPosition, KeypadPosition, KeypadLayout };

// Rewrites the file of one reset box: a position file with its reset word, or the default layout.
void writeReset(const std::filesystem::path& folder, Reset reset);

// "layout.dat" as the keypad gets it by default: 12 buttons shown, then twenty target-key pairs.
std::string defaultLayout();

}  // namespace steward
