#pragma once
// A small installation written by tests: 32 template teams of 50 players, two name lists
// and the ten schedule templates, in a fresh temporary folder.
#include <filesystem>
#include <string>

namespace fixture {

// Every template player's ratings text.
inline constexpr const char* TemplateRatings = "123450123450123 ";
// Names in the two lists (sizes differ, so their draws can be told apart).
inline constexpr int FirstNames = 3;
inline constexpr int LastNames = 5;

// A new empty folder under the system's temporary folder.
std::filesystem::path freshFolder(const std::string& tag);

// Template team g is city "City<g>", nickname "Nick<g>"; its players are numbered by slot,
// except that team 1's first two players carry the numbers 0 and 120.
void writeTemplates(const std::filesystem::path& dir);

// Writes "s<1|2>t<N>.sea" for every league size: a round robin by the circle method.
void writeScheduleTemplates(const std::filesystem::path& dir);

std::string readText(const std::filesystem::path& file);
void writeText(const std::filesystem::path& file, const std::string& text);

}  // namespace fixture
