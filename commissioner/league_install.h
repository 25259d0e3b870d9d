#pragma once
// Putting a new league's files in place as a whole. The files are first written to a
// staging folder; then every file of the same name (in any case) is moved aside, the new
// ones moved in and the old ones dropped. A failure on the way moves everything back, so
// the league directory holds either the old files or the complete new set.
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
