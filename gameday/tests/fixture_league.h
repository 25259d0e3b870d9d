#pragma once
// A new 8-team league "TEST" built with the league-file writers from the shipped templates,
// with the installation data beside it, in a folder of the test's own.
#include <filesystem>

namespace gameday::testing {

// League "TEST", title "Test League", season 1 at state 0: teams 1..8 of the templates,
// every regular-season game unplayed, empty postseason weeks, records and champions new.
void writeFixtureLeague(const std::filesystem::path& dir);

}  // namespace gameday::testing
