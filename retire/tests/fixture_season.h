#pragma once
// Small leagues for the new-season tests: every slot holds a player of its group, named
// after his record, with the ratings and years the test asks for.
#include <filesystem>
#include <string>

#include "retire/new_season.h"

namespace retire::testing {

// N teams "Team1".."TeamN" (nicknames), players "F<r> L<r>" of record r, each with these
// ratings and years; state 2 of season 1.
Season fixtureSeason(int teams, const std::string& ratings = "333333333333333 ", int years = 3);

// Writes the season's league pointer, league, team and player files and two name lists
// (three first names "Ann".."Cid", two last names "Doe", "Eck") into dir.
void writeSeason(const std::filesystem::path& dir, const Season& season);

// A fresh empty folder for the running test under the temporary folder, removed afterwards.
struct Folder {
    Folder();
    ~Folder();
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    std::filesystem::path path;
};

}  // namespace retire::testing
