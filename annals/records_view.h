#pragma once
// What each button of the records menu shows, read from the league's files.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace SeeRecs {

// Captions of the menu buttons 0..9; 0..3 individual, 4..7 team, 8 champions, 9 Exit.
inline constexpr int ExitButton = 9;
const std::array<std::string_view, 10>& menuCaptions();

// The list lines of button 0..8 for league `league` in dir. Labels are those of
// "nrecords.dat" (element k for statistic k). FileError when a file is missing or damaged.
std::vector<std::string> recordsView(const std::filesystem::path& dir, std::string_view league,
                                     int button, const std::vector<std::string>& labels);

}  // namespace SeeRecs
