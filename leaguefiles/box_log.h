#pragma once
// The season's box-score logs in the league's archive folder.
#include <string>

namespace lf {

// "Box012.log" for season 12: the last three characters of "00" + the season.
std::string boxLogName(int season);
// "Box012_events.txt".
std::string boxEventsName(int season);

}  // namespace lf
