#pragma once
// dex.dat, the matchup of each offensive play against each defensive play (positive
// favours the offense), summed from the rules in data/src/matchups.txt.
#include <filesystem>

#include "tools/datagen/summary.h"

namespace datagen {

Summary buildMatchupTable(const std::filesystem::path& src, const std::filesystem::path& out);

}  // namespace datagen
