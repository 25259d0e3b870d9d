#pragma once
// Putting a new league's files in place as a whole. The files are first written to a
// staging folder; then each is renamed over the old file of its name (one spelled in
// another case is moved aside first), and the old ones are dropped at the end. A failure on
// the way puts every old file back, so the league directory holds either the old files or
// the complete new set, and the league pointer, installed last, names a whole league.
#include <filesystem>
#include <string>
#include <vector>

namespace commish {

struct Installation {
    std::filesystem::path dir;
    std::filesystem::path staging;   // holds the new files under their final names
    std::vector<std::string> files;  // names of the staged files, installed in this order
    std::string archive;             // folder to have in dir afterwards
    bool emptyArchive = false;       // an existing archive folder is dropped and made anew
};

// A fresh, empty staging folder in dir for the league of this name.
std::filesystem::path makeStagingFolder(const std::filesystem::path& dir, const std::string& name);

// Moves the staged files into dir and prepares the archive folder; the staging folder is
// removed whatever happens. FileError when it fails, with dir as it was before.
void install(const Installation& installation);

}  // namespace commish
