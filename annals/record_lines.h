#pragma once
// The list lines of the records viewer: three lines per shown statistic and the
// champions list, built from the records as the files hold them.
#include <string>
#include <string_view>
#include <vector>

#include "leaguefiles/records_file.h"

namespace SeeRecs {

// Labels are shown in capitals.
// Individual view: records[k - 1] holds statistic k, k = 1..80.
std::vector<std::string> individualLines(const std::vector<std::string>& labels,
                                         const std::vector<lf::IndividualRecord>& records);
// Team view: records[k - 1] holds statistic k, k = 1..100.
std::vector<std::string> teamLines(const std::vector<std::string>& labels,
                                   const std::vector<lf::TeamBestRecord>& records);
// Past champions: the heading and one line per season.
std::vector<std::string> championLines(const std::vector<lf::ChampionRecord>& champions);

// A value right-justified in 6 characters after a sign place: 12 -> "    12".
std::string valueField(int value);

}  // namespace SeeRecs
