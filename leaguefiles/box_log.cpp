#include "leaguefiles/box_log.h"

namespace lf {
namespace {

std::string seasonDigits(int season) {
    const std::string s = "00" + std::to_string(season);
    return s.substr(s.size() - 3);
}

}  // namespace

std::string boxLogName(int season) { return "Box" + seasonDigits(season) + ".log"; }
std::string boxEventsName(int season) { return "Box" + seasonDigits(season) + "_events.txt"; }

}  // namespace lf
