#pragma once
// The readable sources of the templates: the teams (data/src/teams.csv) and the roster
// model (data/src/players.txt).
#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace datagen {

struct TeamSource {
    std::string city, nickname, code, stadium, coach;
    std::array<int, 6> settings{};  // surface, climate, wind, rain, offense, defense
    int offenseStrength = 0;        // -2..2
    int defenseStrength = 0;
};

// Exactly 32 teams with texts that fit their fields, unique codes and nicknames and
// settings within the editor's ranges.
std::vector<TeamSource> readTeams(const std::filesystem::path& file);

struct NumberRange {
    int lo;
    int hi;
};

struct RosterModel {
    unsigned seed = 0;
    double strengthStep = 0;
    double jitter = 0;
    std::map<std::string, int> starters;  // group code -> starting players
    // (group code, starter?) -> base of the fifteen ratings
    std::map<std::pair<std::string, bool>, std::array<double, 15>> ratings;
    std::map<int, std::pair<double, double>> returners;  // slot -> PRT, KRT
    std::map<std::string, std::vector<NumberRange>> numbers;
    NumberRange starterYears{0, 0};
    NumberRange backupYears{0, 0};
};

// Every group of the depth chart must have its starters, both rating rows (one for the
// kicker and punter) and its numbers.
RosterModel readRosterModel(const std::filesystem::path& file);

}  // namespace datagen
